#include <benchmark/benchmark.h>

// One main for every benchmark file of the folder.
BENCHMARK_MAIN();
