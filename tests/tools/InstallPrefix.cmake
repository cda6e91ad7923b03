# cmake --install with a prefix other than the configured one, into a DESTDIR:
# the sample Config.ini lands under that prefix, and nothing outside it.
# Run as: cmake -DBUILD=<build folder> -DOUT=<empty folder> -P InstallPrefix.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${OUT} ${CMAKE_COMMAND} --install ${BUILD} --prefix /p
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
if(NOT EXISTS ${OUT}/p/etc/daviduv/Config.ini)
  message(FATAL_ERROR "Config.ini is not under the prefix /p")
endif()
file(GLOB outside LIST_DIRECTORIES true RELATIVE ${OUT} ${OUT}/*)
if(NOT outside STREQUAL "p")
  message(FATAL_ERROR "written outside the prefix: ${outside}")
endif()
file(REMOVE_RECURSE ${OUT})
