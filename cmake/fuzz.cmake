# The fuzz harnesses as libFuzzer programs, built with clang by make fuzz. The core is built
# with the same sanitizers and the fuzzer's coverage counters.
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
add_custom_target(fuzz_harnesses)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(harness ${source} NAME_WE)
  add_executable(${harness} ${source})
  target_link_libraries(${harness} PRIVATE quillon_core)
  target_compile_options(${harness} PRIVATE -fsanitize=fuzzer)
  target_link_options(${harness} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzz_harnesses ${harness})
endforeach()
