# The block search over a generated invoice of many items: reading the file for every call
# against reading it once per render run.
add_executable(bench_blocksuche ${CMAKE_CURRENT_LIST_DIR}/blocksuche.cpp)
target_link_libraries(bench_blocksuche PRIVATE tk_text)
