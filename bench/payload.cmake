corvel_benchmark(payload_benchmark SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/payload_benchmark.cpp
                          ${CMAKE_CURRENT_SOURCE_DIR}/sample_files.cpp
                 LIBS payload_core keys_core)
