# The download for Windows users (make dist): the two programs built here, the help file and
# the README's user guide as plain text, in one zip named for the version.
set(QUILLON_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Folder make dist writes the zip to")
set(QUILLON_DIST_ZIP ${QUILLON_DIST_DIR}/quillon-${PROJECT_VERSION}-win64.zip)

set(README_TEXT ${CMAKE_BINARY_DIR}/README.txt)
add_custom_command(OUTPUT ${README_TEXT}
  COMMAND ${QUILLON_HOST_TOOLS}/readme-text ${PROJECT_SOURCE_DIR}/README.md ${README_TEXT}
  DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${QUILLON_HOST_TOOLS}/readme-text
  COMMENT "readme-text README.md"
  VERBATIM)
add_custom_target(readme_text ALL DEPENDS ${README_TEXT})

add_custom_target(dist
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-dist ${QUILLON_DIST_ZIP}
          $<TARGET_FILE:quillon> $<TARGET_FILE:quillon-cli> ${CMAKE_BINARY_DIR}/quillonfaq.txt ${README_TEXT}
  DEPENDS quillon quillon-cli readme_text
  VERBATIM)

add_test(NAME dist_zip COMMAND ${PROJECT_SOURCE_DIR}/tests/scripts/dist_zip_test.sh
         ${CMAKE_BINARY_DIR} ${QUILLON_DIST_ZIP})
