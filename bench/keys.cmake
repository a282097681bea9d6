# Key Assignments: writing and reading the [Keys] section.
corvel_benchmark(keys_benchmark SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/keys_benchmark.cpp LIBS keys_core)
