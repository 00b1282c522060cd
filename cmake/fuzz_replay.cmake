# Each fuzz harness, built without a fuzzer, runs once over its checked-in corpus and every
# input that once made it fail, as one test each.
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(harness ${source} NAME_WE)
  add_executable(${harness}_replay ${source} fuzz/replay_main.cpp)
  target_link_libraries(${harness}_replay PRIVATE quillon_core)
  add_test(NAME ${harness} COMMAND ${harness}_replay ${PROJECT_SOURCE_DIR}/fuzz/corpus/${harness}
                                   ${PROJECT_SOURCE_DIR}/fuzz/crashes/${harness})
endforeach()
