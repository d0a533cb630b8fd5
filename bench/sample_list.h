// Lists for the benchmarks: random elements, built once per size and shared.
#ifndef LINKLIST_BENCH_SAMPLE_LIST_H_
#define LINKLIST_BENCH_SAMPLE_LIST_H_

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

#include "list/list.h"

// A value that no sample list holds.
constexpr ElemType kMissing = 123456789;

// The sizes every benchmark runs at: 10^3, 10^5 and 10^7 elements.
void SampleSizes(benchmark::internal::Benchmark* b);

// A list of n random elements (none equal to kMissing), the same for every
// call with that n. Benchmarks that change it must leave it as they found it.
LNode* SampleList(int n);

// Runs f and reports its wall time as the iteration's time; the rest of the
// iteration, undoing what f did, is not counted. For benchmarks that are
// registered with UseManualTime.
template <typename F>
void TimeOnly(benchmark::State& state, F f) {
  auto start = std::chrono::steady_clock::now();
  f();
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  state.SetIterationTime(took.count());
}

#endif  // LINKLIST_BENCH_SAMPLE_LIST_H_
