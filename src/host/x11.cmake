# The Linux program: the X11/GLX host, with the offscreen mode beside it.
find_package(X11 REQUIRED)
include(GNUInstallDirs)

add_library(quillmere_x11 STATIC
  ${CMAKE_CURRENT_LIST_DIR}/x11_close_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_errors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_fps_overlay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_frame_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_glx_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_main_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_signals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_window.cpp
)
# The offscreen library brings the quoting of arguments in error lines.
target_link_libraries(quillmere_x11 PUBLIC quillmere_core quillmere_headless OpenGL::GLX X11::X11)

add_executable(quillmere ${CMAKE_CURRENT_LIST_DIR}/linux_main.cpp
                         ${CMAKE_CURRENT_LIST_DIR}/x11_geometry_guard.cpp)
target_link_libraries(quillmere PRIVATE quillmere_x11)
# The GL driver is loaded at run time and must find our XGetGeometry first.
target_link_options(quillmere PRIVATE -Wl,--export-dynamic-symbol=XGetGeometry)

install(TARGETS quillmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Debian's xscreensaver lists hacks by these config files and runs them from
# libexec/xscreensaver.
install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmere.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/xscreensaver/config)
install(CODE "
  set(hack_dir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver\")
  file(RELATIVE_PATH target \"\${hack_dir}\"
       \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quillmere\")
  set(link \"\$ENV{DESTDIR}\${hack_dir}/quillmere\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${hack_dir}\")
  message(STATUS \"Installing: \${link} -> \${target}\")
  file(CREATE_LINK \"\${target}\" \"\${link}\" SYMBOLIC)
")
