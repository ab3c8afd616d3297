# A small static Windows program of the tests or benchmarks, written to <build>/<outputDir>.
function(ravel_add_windows_tool target outputName outputDir)
  add_executable(${target} ${ARGN})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${outputName}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${outputDir})
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()
