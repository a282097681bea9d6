corvel_benchmark(fuel_benchmark SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuel_benchmark.cpp LIBS fuel_core)
