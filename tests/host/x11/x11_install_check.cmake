# Installs the build into a scratch prefix and checks what xscreensaver needs:
# the program, its config file, and the hack's link that runs the program.
set(prefix "${SCRATCH}/prefix")
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(config "${prefix}/share/xscreensaver/config/quillmere.xml")
file(READ "${config}" xml)
foreach(needed [[gl="yes"]] [[<command arg="--root"/>]] [[arg-set="-fps"]] "<_description>")
  string(FIND "${xml}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${config} lacks ${needed}")
  endif()
endforeach()

set(hack "${prefix}/libexec/xscreensaver/quillmere")
execute_process(COMMAND "${hack}" --version RESULT_VARIABLE status OUTPUT_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said MATCHES "^quillmere ")
  message(FATAL_ERROR "${hack} --version: ${status} ${said}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
