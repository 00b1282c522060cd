# The resource script and everything it includes, added to the programs defined before this
# file is read. The art and sounds are kept as text sources and turned into BMP, ICO and WAV
# files by the native host tool resgen before windres runs.
set(QUILLON_RESOURCES ${PROJECT_SOURCE_DIR}/win32/resources/quillon.rc)

if(NOT QUILLON_HOST_TOOLS)
  message(FATAL_ERROR "QUILLON_HOST_TOOLS must name the native build folder that holds resgen (make windows passes it)")
endif()
set(RESGEN ${QUILLON_HOST_TOOLS}/resgen)
set(GENERATED_RESOURCE_DIR ${CMAKE_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${GENERATED_RESOURCE_DIR})

set(RESOURCE_SOURCE_DIR ${PROJECT_SOURCE_DIR}/win32/resources)
file(GLOB RESOURCE_SOURCES CONFIGURE_DEPENDS
  ${RESOURCE_SOURCE_DIR}/art/*.icon ${RESOURCE_SOURCE_DIR}/art/*.bitmap
  ${RESOURCE_SOURCE_DIR}/art/*.scene ${RESOURCE_SOURCE_DIR}/sounds/*.sound)
# The palette and the lettering font that the art sources name.
file(GLOB RESOURCE_INCLUDES CONFIGURE_DEPENDS ${RESOURCE_SOURCE_DIR}/art/*.txt)

set(GENERATED_RESOURCES)
foreach(source ${RESOURCE_SOURCES})
  get_filename_component(stem ${source} NAME_WE)
  get_filename_component(kind ${source} LAST_EXT)
  if(kind STREQUAL ".icon")
    set(output ${GENERATED_RESOURCE_DIR}/${stem}.ico)
  elseif(kind STREQUAL ".sound")
    set(output ${GENERATED_RESOURCE_DIR}/${stem}.wav)
  else()
    set(output ${GENERATED_RESOURCE_DIR}/${stem}.bmp)
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND ${RESGEN} ${source} ${output}
    DEPENDS ${source} ${RESOURCE_INCLUDES} ${RESGEN}
    COMMENT "resgen ${stem}${kind}"
    VERBATIM)
  list(APPEND GENERATED_RESOURCES ${output})
endforeach()
add_custom_target(quillon_resource_files DEPENDS ${GENERATED_RESOURCES})

# windres looks for the files the script names in its include folders.
set_source_files_properties(${QUILLON_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${GENERATED_RESOURCES};${RESOURCE_SOURCE_DIR}/resource.h;${RESOURCE_SOURCE_DIR}/quillon.manifest"
  INCLUDE_DIRECTORIES ${GENERATED_RESOURCE_DIR})
# Every program that shows the windows links the script; generate the files before any of them.
foreach(target quillon win32_tests win32_bench)
  target_sources(${target} PRIVATE ${QUILLON_RESOURCES})
  add_dependencies(${target} quillon_resource_files)
endforeach()

# The version Explorer shows, in each program that ships.
set(VERSION_RESOURCE_DEPENDS "${RESOURCE_SOURCE_DIR}/version_info.rc;${CMAKE_BINARY_DIR}/generated/quillon_version.h")
set_source_files_properties(${RESOURCE_SOURCE_DIR}/editor_version.rc ${RESOURCE_SOURCE_DIR}/cli_version.rc
  PROPERTIES OBJECT_DEPENDS "${VERSION_RESOURCE_DEPENDS}")
target_sources(quillon PRIVATE ${RESOURCE_SOURCE_DIR}/editor_version.rc)
target_sources(quillon-cli PRIVATE ${RESOURCE_SOURCE_DIR}/cli_version.rc)
