# The `dist` target: the release package of this tree's architecture,
# dist/SheetMill-<version>-win32.zip or -win64.zip, holding the programs
# that ship, the README and the licence note in one folder.
if(SHEETMILL_ARCH STREQUAL "x86_64")
  set(dist_platform win64)
else()
  set(dist_platform win32)
endif()
set(dist_name SheetMill-${SHEETMILL_VERSION}-${dist_platform})
set(dist_stage ${CMAKE_BINARY_DIR}/dist/${dist_name})
set(dist_zip ${CMAKE_SOURCE_DIR}/dist/${dist_name}.zip)

set(dist_programs SheetMill)
# The gallery ships once its target is part of the build.
if(TARGET ThemeGallery)
  list(APPEND dist_programs ThemeGallery)
  set(dist_note "with the gallery")
else()
  set(dist_note "tool only: this tree has no ThemeGallery target")
endif()
set(dist_files ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENCE.txt)
foreach(program ${dist_programs})
  list(APPEND dist_files $<TARGET_FILE:${program}>)
endforeach()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/dist)
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist_stage} ${dist_zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_stage} ${CMAKE_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E copy ${dist_files} ${dist_stage}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${dist_zip} --format=zip ${dist_name}
  COMMAND ${CMAKE_COMMAND} -E echo "dist: ${dist_zip} (${dist_note})"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/dist
  DEPENDS ${dist_programs}
  VERBATIM)
