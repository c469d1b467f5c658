# The offscreen host on an EGL pbuffer, shared by the program, the GL tests
# and the benchmarks.
find_package(PNG REQUIRED)

add_library(quillmere_headless STATIC
  ${CMAKE_CURRENT_LIST_DIR}/command_line_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_egl_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_png.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_readback.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_trace.cpp
)
target_compile_definitions(quillmere_headless PRIVATE QUILLMERE_VERSION="${PROJECT_VERSION}")
target_link_libraries(quillmere_headless PUBLIC quillmere_core OpenGL::EGL PNG::PNG)
