# The profile layer: one value read from a large aircraft.cfg, and the 182
# [Keys] entries written one by one next to one batch.
corvel_benchmark(platform_benchmark
                 SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/platform_benchmark.cpp
                         ${CMAKE_CURRENT_SOURCE_DIR}/sample_files.cpp
                 LIBS platform_core keys_core)
