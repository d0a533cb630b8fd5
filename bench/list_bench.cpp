// The list core on long lists: the walks every query and positional change
// makes, and printing. Each runs at 10^3, 10^5 and 10^7 elements.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "bench/sample_list.h"
#include "list/list.h"

namespace {

// Points standard output at /dev/null while it lives: printing pays for the
// formatting and the writes, but nothing reaches the terminal.
class StdoutToNull {
 public:
  StdoutToNull() {
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    int null = open("/dev/null", O_WRONLY);
    ok_ = saved_ >= 0 && null >= 0 && dup2(null, STDOUT_FILENO) >= 0;
    if (null >= 0) close(null);
  }
  StdoutToNull(const StdoutToNull&) = delete;
  StdoutToNull& operator=(const StdoutToNull&) = delete;
  ~StdoutToNull() {
    std::fflush(stdout);
    if (saved_ >= 0) {
      dup2(saved_, STDOUT_FILENO);
      close(saved_);
    }
  }
  bool ok() const { return ok_; }

 private:
  int saved_ = -1;
  bool ok_ = false;
};

void CountElements(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ListLength(benchmark::State& state) {
  LNode* head = SampleList(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ListLength(head));
  CountElements(state);
}
BENCHMARK(BM_ListLength)->Apply(SampleSizes);

void BM_LocateElemMissing(benchmark::State& state) {
  LNode* head = SampleList(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(LocateElem(head, kMissing));
  CountElements(state);
}
BENCHMARK(BM_LocateElemMissing)->Apply(SampleSizes);

void BM_GetElemLast(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  LNode* head = SampleList(n);
  ElemType e = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetElem(head, n, &e));
    benchmark::DoNotOptimize(e);
  }
  CountElements(state);
}
BENCHMARK(BM_GetElemLast)->Apply(SampleSizes);

// Appends after the last element; the element is taken off again, untimed.
void BM_ListInsertLast(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  LNode* head = SampleList(n);
  ElemType e = 0;
  for (auto _ : state) {
    TimeOnly(state, [&] {
      benchmark::DoNotOptimize(ListInsert(head, n + 1, 7));
    });
    ListDelet(head, n + 1, &e);
  }
  CountElements(state);
}
BENCHMARK(BM_ListInsertLast)->Apply(SampleSizes)->UseManualTime();

// Removes the last element; it is put back, untimed.
void BM_ListDeletLast(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  LNode* head = SampleList(n);
  ElemType e = 0;
  for (auto _ : state) {
    TimeOnly(state, [&] {
      benchmark::DoNotOptimize(ListDelet(head, n, &e));
    });
    ListInsert(head, n, e);
  }
  CountElements(state);
}
BENCHMARK(BM_ListDeletLast)->Apply(SampleSizes)->UseManualTime();

void BM_ListTrabverse(benchmark::State& state) {
  LNode* head = SampleList(static_cast<int>(state.range(0)));
  StdoutToNull sink;
  if (!sink.ok()) {
    state.SkipWithError("cannot point standard output at /dev/null");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(ListTrabverse(head));
  CountElements(state);
}
BENCHMARK(BM_ListTrabverse)->Apply(SampleSizes);

}  // namespace
