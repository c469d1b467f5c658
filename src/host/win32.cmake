# The Windows screen-saver module: the core, our screen-saver library and the
# saver's window procedure in one statically linked quillmere.scr that needs
# only system DLLs.
enable_language(RC)

add_executable(quillmere_scr WIN32
  ${CMAKE_CURRENT_LIST_DIR}/win32_command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_frame_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_saver_proc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_screensaver_library.cpp
  ${PROJECT_SOURCE_DIR}/resources/quillmere.rc
)
set_target_properties(quillmere_scr PROPERTIES OUTPUT_NAME quillmere SUFFIX .scr)
target_include_directories(quillmere_scr PRIVATE ${PROJECT_SOURCE_DIR}/src)
# Unicode window and string calls throughout; the narrow WinMain only reads ASCII.
target_compile_definitions(quillmere_scr PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/quillmere.rc PROPERTIES
  COMPILE_DEFINITIONS "QUILLMERE_VERSION_MAJOR=${PROJECT_VERSION_MAJOR};QUILLMERE_VERSION_MINOR=${PROJECT_VERSION_MINOR};QUILLMERE_VERSION_PATCH=${PROJECT_VERSION_PATCH};QUILLMERE_VERSION_TEXT=${PROJECT_VERSION}"
  OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/quillmere.manifest;${PROJECT_SOURCE_DIR}/resources/quillmere.ico")
target_link_libraries(quillmere_scr PRIVATE quillmere_core gdi32 user32)
target_link_options(quillmere_scr PRIVATE -static -static-libgcc -static-libstdc++)
install(TARGETS quillmere_scr RUNTIME DESTINATION .)
