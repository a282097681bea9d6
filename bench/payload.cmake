corvel_benchmark(payload_benchmark SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/payload_benchmark.cpp
                 LIBS payload_core)
