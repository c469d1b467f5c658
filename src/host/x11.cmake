# The Linux program.
add_executable(quillmere ${CMAKE_CURRENT_LIST_DIR}/linux_main.cpp)
target_link_libraries(quillmere PRIVATE quillmere_headless)
install(TARGETS quillmere RUNTIME DESTINATION bin)
