# libFuzzer targets of the device link.
add_executable(fuzz_link_receive ${CMAKE_CURRENT_LIST_DIR}/fuzz_link_receive.cpp)
target_link_libraries(fuzz_link_receive PRIVATE corvex_link)
target_link_options(fuzz_link_receive PRIVATE -fsanitize=fuzzer)
