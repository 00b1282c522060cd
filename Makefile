# make run: build and start the editor under Wine.  make test: build and run every test.
# make dist: the zip for Windows users, from the programs of build/win32.
# make fuzz: run the fuzz harnesses (FUZZ_SECONDS each, 60 by default).
NATIVE := build/native
WINDOWS := build/win32
BENCH := build/bench
DIST := build/dist
JOBS ?= $(shell nproc)

FUZZ := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test bench dist fuzz deps fuzz-deps native windows native-config windows-config host-tools program

deps:
	@scripts/bootstrap

fuzz-deps:
	@scripts/bootstrap fuzz

native-config: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null

windows-config: native-config
	@cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86-64.cmake \
	  -DQUILLON_HOST_TOOLS=$(abspath $(NATIVE)) -DQUILLON_DIST_DIR=$(abspath $(DIST)) >/dev/null

native: native-config
	@cmake --build $(NATIVE) -j $(JOBS)

windows: native windows-config
	@cmake --build $(WINDOWS) -j $(JOBS)

# What make run needs: the host tools, then the program (its help file comes with the configuration).
host-tools: native-config
	@cmake --build $(NATIVE) -j $(JOBS) --target host_tools

program: host-tools windows-config
	@cmake --build $(WINDOWS) -j $(JOBS) --target quillon

test: native windows
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)
	cd $(WINDOWS) && ctest --output-on-failure

# Only the programs that ship are built here; after make test nothing is built again.
dist: host-tools windows-config
	@cmake --build $(WINDOWS) -j $(JOBS) --target dist

run: program
	@scripts/run $(WINDOWS)

# Each fuzz harness for FUZZ_SECONDS, keeping what it finds in fuzz/ (make test replays it).
fuzz: fuzz-deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target fuzz_harnesses
	scripts/fuzz $(FUZZ) $(FUZZ_SECONDS)

bench: windows
	@cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH) -j $(JOBS) --target quillon_bench
	$(BENCH)/quillon_bench
	scripts/wine-exec $(WINDOWS)/win32_bench.exe
