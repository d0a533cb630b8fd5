#include "list/list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <new>
#include <string>
#include <vector>

namespace {

// Set by a test to make every nothrow allocation fail (see operator new below).
bool fail_allocations = false;

}  // namespace

// The list core allocates its nodes with nothrow new; this replacement lets a
// test inject an exhausted heap. It forwards to the ordinary operator new so
// that allocation and release stay paired for the sanitizers.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (fail_allocations) return nullptr;
  try {
    return ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}

namespace {

// A list built through the public operations from the given values, in order;
// destroyed at the end of its scope.
struct TestList {
  TestList(std::initializer_list<ElemType> values)
      : TestList(std::vector<ElemType>(values)) {}
  explicit TestList(const std::vector<ElemType>& values) {
    InitList(&head);
    // Inserting at the front, last value first, keeps long lists cheap to
    // build.
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
      ListInsert(head, 1, *it);
    }
  }
  ~TestList() { DestroyList(&head); }
  TestList(const TestList&) = delete;
  TestList& operator=(const TestList&) = delete;

  LNode* head = nullptr;
};

// The elements of a list in order, read straight off the chain.
std::vector<ElemType> Contents(const LNode* head) {
  std::vector<ElemType> out;
  for (const LNode* p = head->next; p != nullptr; p = p->next) {
    out.push_back(p->data);
  }
  return out;
}

using Values = std::vector<ElemType>;

// What fn writes to standard output, captured through a temporary file.
std::string CaptureStdout(const std::function<void()>& fn) {
  std::fflush(stdout);
  std::FILE* tmp = std::tmpfile();
  if (tmp == nullptr) {
    ADD_FAILURE() << "tmpfile failed";
    return "";
  }
  int saved = dup(STDOUT_FILENO);
  dup2(fileno(tmp), STDOUT_FILENO);
  fn();
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  std::string out;
  std::rewind(tmp);
  for (int c; (c = std::fgetc(tmp)) != EOF;) out += static_cast<char>(c);
  std::fclose(tmp);
  return out;
}

// Thrown by the fatal handler that tests install in place of the process exit.
struct FatalCalled {};
[[noreturn]] void ThrowFatal() { throw FatalCalled{}; }

// Installs ThrowFatal for one scope; the default exit comes back afterwards.
struct ThrowingFatalHandler {
  ThrowingFatalHandler() { SetListFatalHandler(ThrowFatal); }
  ~ThrowingFatalHandler() { SetListFatalHandler(nullptr); }
};

// Makes nothrow allocations fail for one scope.
struct FailingAllocations {
  FailingAllocations() { fail_allocations = true; }
  ~FailingAllocations() { fail_allocations = false; }
};

constexpr ElemType kUntouched = 777;  // in no list below

// --- create, destroy, clear -------------------------------------------------

TEST(InitList, MakesAnEmptyListWithHeadDataZero) {
  LNode* head = nullptr;
  EXPECT_EQ(InitList(&head), OK);
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(head->data, 0);
  EXPECT_EQ(head->next, nullptr);
  EXPECT_EQ(ListLength(head), 0);
  EXPECT_EQ(ListEmpty(head), TRUE);
  DestroyList(&head);
}

// The chain it replaces is released: LeakSanitizer reports it otherwise.
TEST(InitList, OverAFullListLeavesItEmpty) {
  TestList list{1, 2, 3};
  EXPECT_EQ(InitList(&list.head), OK);
  ASSERT_NE(list.head, nullptr);
  EXPECT_EQ(list.head->data, 0);
  EXPECT_EQ(Contents(list.head), Values{});
}

TEST(DestroyList, ReleasesTheListThenRefusesTheMissingOne) {
  TestList list{1, 2, 3};
  EXPECT_EQ(DestroyList(&list.head), OK);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(DestroyList(&list.head), ERROR);
  EXPECT_EQ(list.head, nullptr);
}

TEST(DestroyList, ReleasesAnEmptyList) {
  TestList list{};
  EXPECT_EQ(DestroyList(&list.head), OK);
  EXPECT_EQ(list.head, nullptr);
}

TEST(ClearList, KeepsTheHeadAndRefusesAnEmptyList) {
  struct Case {
    const char* label;
    Values start;
    Status status;
  } const cases[] = {
      {"three elements", {1, 2, 3}, OK},
      {"one element", {0}, OK},
      {"empty", {}, ERROR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    LNode* head = list.head;
    EXPECT_EQ(ClearList(list.head), c.status);
    EXPECT_EQ(list.head, head);
    EXPECT_EQ(list.head->data, 0);
    EXPECT_EQ(Contents(list.head), Values{});
    EXPECT_EQ(ClearList(list.head), ERROR);  // now empty
  }
}

// --- queries ----------------------------------------------------------------

TEST(ListEmptyAndLength, CountTheElements) {
  struct Case {
    const char* label;
    Values start;
    Status empty;
    int length;
  } const cases[] = {
      {"empty", {}, TRUE, 0},
      {"a zero element", {0}, FALSE, 1},
      {"three", {7, -3, 12}, FALSE, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    EXPECT_EQ(ListEmpty(list.head), c.empty);
    EXPECT_EQ(ListLength(list.head), c.length);
  }
}

TEST(GetElem, ReadsPositionsOneToLength) {
  struct Case {
    const char* label;
    Values start;
    int i;
    Status status;
    ElemType e;  // kUntouched where the call must not write
  } const cases[] = {
      {"first", {4, 5}, 1, OK, 4},
      {"last", {4, 5}, 2, OK, 5},
      {"INT_MIN value", {INT_MIN, INT_MAX}, 1, OK, INT_MIN},
      {"INT_MAX value", {INT_MIN, INT_MAX}, 2, OK, INT_MAX},
      {"zero", {4, 5}, 0, OVERFLOW, kUntouched},
      {"length + 1", {4, 5}, 3, OVERFLOW, kUntouched},
      {"negative", {4, 5}, -1, OVERFLOW, kUntouched},
      {"INT_MIN position", {4, 5}, INT_MIN, OVERFLOW, kUntouched},
      {"INT_MAX position", {4, 5}, INT_MAX, OVERFLOW, kUntouched},
      {"empty list", {}, 1, OVERFLOW, kUntouched},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    ElemType e = kUntouched;
    EXPECT_EQ(GetElem(list.head, c.i, &e), c.status);
    EXPECT_EQ(e, c.e);
    EXPECT_EQ(Contents(list.head), c.start);
  }
}

// The head node is no element: it never matches, and 0 is found like any value.
TEST(LocateElem, GivesThePositionOfTheFirstMatch) {
  struct Case {
    const char* label;
    Values start;
    ElemType e;
    int position;
  } const cases[] = {
      {"first", {3, 8, 3}, 3, 1},
      {"middle", {3, 8, 3}, 8, 2},
      {"absent", {3, 8, 3}, 99, 0},
      {"zero absent", {3, 8, 3}, 0, 0},
      {"zero element", {7, 0}, 0, 2},
      {"zero only element", {0}, 0, 1},
      {"first of two zeros", {5, 0, 0}, 0, 2},
      {"INT_MIN", {INT_MAX, INT_MIN}, INT_MIN, 2},
      {"empty list", {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    EXPECT_EQ(LocateElem(list.head, c.e), c.position);
  }
}

// Only elements from position 2 on have a predecessor; the first element and
// the head node never answer.
TEST(PriorElem, GivesThePredecessorOfTheFirstMatchFromPositionTwo) {
  struct Case {
    const char* label;
    Values start;
    ElemType cur;
    Status status;
    ElemType pre;
  } const cases[] = {
      {"later occurrence", {3, 8, 3}, 3, OK, 8},
      {"second element", {3, 8}, 8, OK, 3},
      {"first element", {3, 8}, 3, ERROR, kUntouched},
      {"absent", {3, 8}, 99, ERROR, kUntouched},
      {"zero absent", {3, 8}, 0, ERROR, kUntouched},
      {"zero predecessor", {0, 5}, 5, OK, 0},
      {"first occurrence wins", {1, 2, 9, 2}, 2, OK, 1},
      {"INT_MIN", {INT_MAX, INT_MIN}, INT_MIN, OK, INT_MAX},
      {"single element", {4}, 4, ERROR, kUntouched},
      {"empty list", {}, 0, ERROR, kUntouched},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    ElemType pre = kUntouched;
    EXPECT_EQ(PriorElem(list.head, c.cur, &pre), c.status);
    EXPECT_EQ(pre, c.pre);
    EXPECT_EQ(Contents(list.head), c.start);
  }
}

// The last element has no successor and never answers; nor does the head node.
TEST(NextElem, GivesTheSuccessorOfTheFirstMatchThatHasOne) {
  struct Case {
    const char* label;
    Values start;
    ElemType cur;
    Status status;
    ElemType next;
  } const cases[] = {
      {"first element", {3, 8}, 3, OK, 8},
      {"last element", {3, 8}, 8, ERROR, kUntouched},
      {"zero absent", {3, 8}, 0, ERROR, kUntouched},
      {"zero element", {5, 0, 9}, 0, OK, 9},
      {"first occurrence wins", {3, 8, 3, 1}, 3, OK, 8},
      {"match before the last", {2, 1, 2}, 2, OK, 1},
      {"absent", {3, 8}, 99, ERROR, kUntouched},
      {"INT_MAX", {INT_MAX, INT_MIN}, INT_MAX, OK, INT_MIN},
      {"single element", {4}, 4, ERROR, kUntouched},
      {"empty list", {}, 0, ERROR, kUntouched},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    ElemType next = kUntouched;
    EXPECT_EQ(NextElem(list.head, c.cur, &next), c.status);
    EXPECT_EQ(next, c.next);
    EXPECT_EQ(Contents(list.head), c.start);
  }
}

// --- changes ----------------------------------------------------------------

TEST(ListInsert, AcceptsPositionsOneToLengthPlusOne) {
  struct Case {
    const char* label;
    Values start;
    int i;
    ElemType e;
    Status status;
    Values after;
  } const cases[] = {
      {"prepend", {4, 5, 6}, 1, 9, OK, {9, 4, 5, 6}},
      {"middle", {4, 5, 6}, 2, 9, OK, {4, 9, 5, 6}},
      {"before the last", {4, 5, 6}, 3, 9, OK, {4, 5, 9, 6}},
      {"append", {4, 5, 6}, 4, 9, OK, {4, 5, 6, 9}},
      {"INT_MIN value", {4}, 2, INT_MIN, OK, {4, INT_MIN}},
      {"INT_MAX value", {4}, 1, INT_MAX, OK, {INT_MAX, 4}},
      {"into empty", {}, 1, 9, OK, {9}},
      {"zero", {4, 5, 6}, 0, 9, ERROR, {4, 5, 6}},
      {"length + 2", {4, 5, 6}, 5, 9, ERROR, {4, 5, 6}},
      {"negative", {4, 5, 6}, -1, 9, ERROR, {4, 5, 6}},
      {"INT_MIN position", {4, 5, 6}, INT_MIN, 9, ERROR, {4, 5, 6}},
      {"INT_MAX position", {4, 5, 6}, INT_MAX, 9, ERROR, {4, 5, 6}},
      {"empty, position 2", {}, 2, 9, ERROR, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    EXPECT_EQ(ListInsert(list.head, c.i, c.e), c.status);
    EXPECT_EQ(Contents(list.head), c.after);
  }
}

TEST(ListDelet, RemovesPositionsOneToLength) {
  struct Case {
    const char* label;
    Values start;
    int i;
    Status status;
    ElemType e;
    Values after;
  } const cases[] = {
      {"first", {4, 5}, 1, OK, 4, {5}},
      {"last", {4, 5}, 2, OK, 5, {4}},
      {"middle", {4, 5, 6}, 2, OK, 5, {4, 6}},
      {"only", {INT_MIN}, 1, OK, INT_MIN, {}},
      {"zero", {4, 5}, 0, ERROR, kUntouched, {4, 5}},
      {"length + 1", {4, 5}, 3, ERROR, kUntouched, {4, 5}},
      {"negative", {4, 5}, -1, ERROR, kUntouched, {4, 5}},
      {"INT_MIN position", {4, 5}, INT_MIN, ERROR, kUntouched, {4, 5}},
      {"INT_MAX position", {4, 5}, INT_MAX, ERROR, kUntouched, {4, 5}},
      {"empty list", {}, 1, ERROR, kUntouched, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    ElemType e = kUntouched;
    EXPECT_EQ(ListDelet(list.head, c.i, &e), c.status);
    EXPECT_EQ(e, c.e);
    EXPECT_EQ(Contents(list.head), c.after);
  }
}

// --- printing ---------------------------------------------------------------

TEST(ListTrabverse, PrintsEachElementFollowedByATab) {
  struct Case {
    const char* label;
    Values start;
    Status status;
    std::string output;
  } const cases[] = {
      {"three", {7, -3, 12}, OK, "7\t-3\t12\t"},
      {"extremes", {INT_MIN, INT_MAX, 0}, OK, "-2147483648\t2147483647\t0\t"},
      {"empty", {}, ERROR, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestList list(c.start);
    Status status = OK + 100;
    EXPECT_EQ(CaptureStdout([&] { status = ListTrabverse(list.head); }),
              c.output);
    EXPECT_EQ(status, c.status);
  }
}

// Far more output than fits in one internal buffer, with values of every width.
TEST(ListTrabverse, PrintsLongListsWhole) {
  Values values;
  std::string expected;
  for (int i = 0; i < 40000; ++i) {
    ElemType v = i % 3 == 0 ? INT_MIN + i : (i % 3 == 1 ? i : -i * 1000);
    values.push_back(v);
    expected += std::to_string(v) + '\t';
  }
  ASSERT_GT(expected.size(), std::size_t{4} << 16);
  TestList list(values);
  Status status = ERROR;
  std::string out = CaptureStdout([&] { status = ListTrabverse(list.head); });
  EXPECT_EQ(status, OK);
  EXPECT_EQ(out.size(), expected.size());
  EXPECT_TRUE(out == expected);  // no dump of a quarter megabyte on failure
}

// --- no list ----------------------------------------------------------------

TEST(NoList, OperationsRefuseWithoutReadingThroughTheHandle) {
  LNode* head = nullptr;
  ElemType e = kUntouched;
  EXPECT_EQ(DestroyList(&head), ERROR);
  EXPECT_EQ(head, nullptr);
  EXPECT_EQ(ListLength(nullptr), 0);
  Status status = OK + 100;
  EXPECT_EQ(CaptureStdout([&] { status = ListTrabverse(nullptr); }), "");
  EXPECT_EQ(status, ERROR);
  EXPECT_EQ(GetElem(nullptr, 1, &e), OVERFLOW);
  EXPECT_EQ(GetElem(nullptr, 0, &e), OVERFLOW);
  EXPECT_EQ(LocateElem(nullptr, 0), 0);
  EXPECT_EQ(LocateElem(nullptr, 5), 0);
  EXPECT_EQ(PriorElem(nullptr, 0, &e), ERROR);
  EXPECT_EQ(NextElem(nullptr, 0, &e), ERROR);
  EXPECT_EQ(ListInsert(nullptr, 1, 5), ERROR);
  EXPECT_EQ(ListInsert(nullptr, 0, 5), ERROR);
  EXPECT_EQ(ListDelet(nullptr, 1, &e), ERROR);
  EXPECT_EQ(ListDelet(nullptr, 0, &e), ERROR);
  EXPECT_EQ(e, kUntouched);
}

TEST(NoListDeathTest, ClearAndEmptyTestExitWithOverflow) {
  // OVERFLOW (-2) as the shell sees an exit status.
  EXPECT_EXIT(ClearList(nullptr), ::testing::ExitedWithCode(254), "");
  EXPECT_EXIT(ListEmpty(nullptr), ::testing::ExitedWithCode(254), "");
}

TEST(SetListFatalHandler, ReplacesTheExitUntilReset) {
  {
    ThrowingFatalHandler handler;
    EXPECT_THROW(ClearList(nullptr), FatalCalled);
    EXPECT_THROW(ListEmpty(nullptr), FatalCalled);
  }
  EXPECT_EXIT(ClearList(nullptr), ::testing::ExitedWithCode(254), "");
}

// --- exhausted memory -------------------------------------------------------

TEST(OutOfMemory, FailedAllocationLeavesTheListAsItWas) {
  ThrowingFatalHandler handler;
  TestList list{1, 2, 3};
  LNode* head = list.head;
  {
    FailingAllocations failing;
    EXPECT_THROW(InitList(&list.head), FatalCalled);
    EXPECT_THROW(ListInsert(list.head, 2, 9), FatalCalled);
  }
  EXPECT_EQ(list.head, head);
  EXPECT_EQ(Contents(list.head), (Values{1, 2, 3}));
}

TEST(OutOfMemoryDeathTest, FailedAllocationExitsWithOverflow) {
  LNode* head = nullptr;
  EXPECT_EXIT(
      {
        fail_allocations = true;
        InitList(&head);
      },
      ::testing::ExitedWithCode(254), "");
  TestList list{4};
  EXPECT_EXIT(
      {
        fail_allocations = true;
        ListInsert(list.head, 1, 9);
      },
      ::testing::ExitedWithCode(254), "");
}

}  // namespace
