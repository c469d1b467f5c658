# Cross-builds quillmere.scr with MinGW-w64 beside the Linux build, as part of
# the normal build, when the cross compiler is installed; silently nothing
# otherwise. Sets QUILLMERE_WIN32_SCR and QUILLMERE_MINGW_TOOLCHAIN for the
# tests, and the target quillmere_win32.
find_program(QUILLMERE_MINGW_CXX x86_64-w64-mingw32-g++)
if(NOT QUILLMERE_MINGW_CXX)
  return()
endif()

include(ExternalProject)
set(QUILLMERE_MINGW_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
set(win32_build_dir ${CMAKE_BINARY_DIR}/win32)
set(QUILLMERE_WIN32_SCR ${win32_build_dir}/src/host/quillmere.scr)

# The same source tree, configured for Windows: its top level then builds
# only the core and the Windows host.
ExternalProject_Add(quillmere_win32
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${win32_build_dir}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${QUILLMERE_MINGW_TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release
    -DQUILLMERE_SANITIZE=OFF
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${QUILLMERE_WIN32_SCR}
)
