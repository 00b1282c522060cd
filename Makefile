# make run: build and start the editor under Wine.  make test: build and run every test.
NATIVE := build/native
WINDOWS := build/win32
BENCH := build/bench
JOBS ?= $(shell nproc)

.PHONY: run test bench deps native windows

deps:
	@scripts/bootstrap

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

windows: native
	@cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DQUILLON_HOST_TOOLS=$(abspath $(NATIVE)) >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)

test: native windows
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)
	cd $(WINDOWS) && ctest --output-on-failure

run: windows
	@scripts/run $(WINDOWS)

bench: windows
	@cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH) -j $(JOBS) --target quillon_bench
	$(BENCH)/quillon_bench
	scripts/wine-exec $(WINDOWS)/win32_bench.exe
