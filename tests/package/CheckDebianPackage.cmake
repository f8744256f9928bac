# Builds the Debian package from this build tree and checks what it holds:
# cmake -DBUILD_DIR=... -DWORK_DIR=... -P CheckDebianPackage.cmake
# Installing it needs root; its file list, its control fields and lintian
# (when present) say whether it would install a working client.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
# No compression: the test build's binaries are large and only the list matters.
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                        -D CPACK_DEBIAN_COMPRESSION_TYPE=none
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB packages ${WORK_DIR}/parlevox_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${packages}\n${output}")
endif()

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed")
endif()
foreach(expected
    "./usr/bin/parlevox" "./usr/bin/parlevox-headless" "./usr/bin/parlevox-reg"
    "./usr/share/applications/parlevox.desktop" "./usr/share/icons/hicolor/scalable/apps/parlevox.svg"
    "./usr/share/parlevox/MajorChannels.dat" "./usr/share/parlevox/Servers.List"
    "./usr/share/parlevox/help/index.html" "./usr/share/parlevox/modules/Sample.ParlevoxModule"
    "./usr/share/parlevox/schemes/Calm.ParlevoxScheme" "./usr/share/doc/parlevox/copyright"
    "/parlevox/plugins/JpegViewer.ParlevoxDCCPlugIn" "/parlevox/plugins/Toolbox.ParlevoxPlugIn")
  string(REGEX MATCH "${expected}(\n|$)" found "${contents}")
  if(NOT found)
    message(FATAL_ERROR "the package lacks ${expected}:\n${contents}")
  endif()
endforeach()
foreach(unexpected "parlevox-setup" "/usr/local/" "/build/")
  string(FIND "${contents}" "${unexpected}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the package holds ${unexpected}:\n${contents}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f ${packages} Package Version Architecture Depends
                OUTPUT_VARIABLE control)
foreach(dependency "libqt6widgets6" "libsdl2-mixer" "libfreetype6" "libfontconfig1" "zlib1g" "fonts-dejavu-core")
  string(FIND "${control}" "${dependency}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Depends lacks ${dependency}:\n${control}")
  endif()
endforeach()
message(STATUS "${control}")

find_program(LINTIAN lintian)
if(LINTIAN)
  # Errors fail the test, except the uncompressed data this test asks for.
  execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 ${packages}
                  OUTPUT_VARIABLE lint ERROR_VARIABLE lint)
  message(STATUS "lintian:\n${lint}")
  string(REGEX MATCHALL "(^|\n)E: [^\n]*" errors "${lint}")
  set(serious)
  foreach(error ${errors})
    if(NOT error MATCHES "uses-no-compression-for-data-tarball")
      list(APPEND serious "${error}")
    endif()
  endforeach()
  if(serious)
    message(FATAL_ERROR "lintian errors: ${serious}")
  endif()
endif()
