# Static runtime: the program runs on a bare Windows and under Wine without extra DLLs.
# No time stamp of the link in the file, so two builds of one commit give the same bytes.
set(WINDOWS_LINK_OPTIONS -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)
add_link_options(${WINDOWS_LINK_OPTIONS})
# quillon-cli is made before this file is read, so it is given the same options here. The two
# programs that ship carry no symbol tables (strip would stamp the time into the files again).
target_link_options(quillon-cli PRIVATE ${WINDOWS_LINK_OPTIONS} -s)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500)

set(QUILLON_HOST_TOOLS "" CACHE PATH "Folder of the natively built host tools (resgen)")

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS win32/*.cpp)
list(REMOVE_ITEM WIN32_SOURCES ${PROJECT_SOURCE_DIR}/win32/app/win_main.cpp)
add_library(quillon_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(quillon_win32 PUBLIC quillon_core comctl32 comdlg32 gdi32 winmm shell32 user32 kernel32)

add_executable(quillon WIN32 win32/app/win_main.cpp)
target_link_libraries(quillon PRIVATE quillon_win32)
target_link_options(quillon PRIVATE -s)

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp tests/support/*.cpp)
add_executable(win32_tests ${WIN32_TEST_SOURCES})
target_link_libraries(win32_tests PRIVATE quillon_win32 gtest_main uxtheme version)
target_include_directories(win32_tests PRIVATE ${PROJECT_SOURCE_DIR})
add_dependencies(win32_tests quillon quillon-cli)
# One ctest entry: starting Wine once per test case would cost seconds each. The cases with
# Wine's theme switched off run apart, as the process keeps the theme off after them.
add_test(NAME win32_tests COMMAND win32_tests --gtest_filter=-*ThemeOff)
add_test(NAME win32_tests_theme_off COMMAND win32_tests --gtest_filter=*ThemeOff)
set_tests_properties(win32_tests win32_tests_theme_off PROPERTIES TIMEOUT 1200)

# The help file ships next to the program.
configure_file(${PROJECT_SOURCE_DIR}/quillonfaq.txt ${CMAKE_BINARY_DIR}/quillonfaq.txt COPYONLY)

# Timings of the editor windows under Wine, run by make bench; no test framework.
file(GLOB WIN32_BENCH_SOURCES CONFIGURE_DEPENDS bench/win32/*.cpp)
add_executable(win32_bench ${WIN32_BENCH_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/fixture_image.cpp
               ${PROJECT_SOURCE_DIR}/tests/support/enemy_fixture.cpp)
target_link_libraries(win32_bench PRIVATE quillon_win32)
target_include_directories(win32_bench PRIVATE ${PROJECT_SOURCE_DIR})

include(cmake/resources.cmake)
include(cmake/dist.cmake)
