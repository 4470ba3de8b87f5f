# The render run on invoices of many items: time per item onto a recording and into a PDF.
add_executable(render_bench ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp)
target_link_libraries(render_bench PRIVATE tk_layout)
add_dependencies(render_bench dynapdf)
