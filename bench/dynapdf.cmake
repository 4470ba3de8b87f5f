# dynapdf.dll: a long document through TPDF, with its peak memory and file size.
add_executable(dynapdf_bench ${CMAKE_CURRENT_LIST_DIR}/dynapdf_bench.cpp)
target_link_libraries(dynapdf_bench PRIVATE tk_output)
add_dependencies(dynapdf_bench dynapdf)
