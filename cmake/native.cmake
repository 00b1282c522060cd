find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE CORE_TEST_SOURCES CONFIGURE_DEPENDS tests/core/*.cpp tests/cli/*.cpp tests/support/*.cpp)
add_executable(core_tests ${CORE_TEST_SOURCES})
target_link_libraries(core_tests PRIVATE quillon_core GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE QUILLON_CLI="$<TARGET_FILE:quillon-cli>")
add_dependencies(core_tests quillon-cli)
# A test that hangs (a pipe opened for reading, say) fails instead of holding up the run.
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
include(cmake/fuzz_replay.cmake)

# Host tools run at build time (resource art, the sample image); make run builds only these here.
add_custom_target(host_tools)
file(GLOB TOOL_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS tools/*)
foreach(dir ${TOOL_DIRS})
  if(IS_DIRECTORY ${dir})
    get_filename_component(tool ${dir} NAME)
    file(GLOB_RECURSE TOOL_SOURCES CONFIGURE_DEPENDS ${dir}/*.cpp)
    add_executable(${tool} ${TOOL_SOURCES})
    target_link_libraries(${tool} PRIVATE quillon_core)
    add_dependencies(host_tools ${tool})
  endif()
endforeach()

find_package(benchmark QUIET)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  add_executable(quillon_bench ${BENCH_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/fixture_image.cpp)
  target_link_libraries(quillon_bench PRIVATE quillon_core benchmark::benchmark_main)
endif()

add_test(NAME wine_start_failure COMMAND ${PROJECT_SOURCE_DIR}/tests/scripts/wine_start_failure_test.sh)
