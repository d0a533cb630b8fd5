#include "menu/commands.h"

#include <initializer_list>

#include "console/console.h"
#include "entry/assign.h"
#include "entry/file_io.h"

namespace {

// --- helpers ----------------------------------------------------------------

// The head handle of list number n, or null when there is no such entry or
// it holds no list.
LNode* HeadOf(Sqlist& set, int n) {
  HNode* entry = ListEntry(set, n);
  return entry != nullptr ? entry->head : nullptr;
}

// Writes the missing-list message for an entry; true when it has no list.
bool ReportMissing(const HNode& entry) {
  if (entry.head != nullptr) return false;
  ConsolePrint("线性表%s不存在！\n", entry.name);
  return true;
}

// Reads the numbers in turn, as one formatted read. On invalid input writes
// "输入无效！" and stops reading.
ReadResult ReadNumbers(std::initializer_list<int*> targets) {
  for (int* target : targets) {
    ReadResult r = ReadInt(target);
    if (r == ReadResult::kInvalid) ConsoleWrite("输入无效！");
    if (r != ReadResult::kOk) return r;
  }
  return ReadResult::kOk;
}

// --- whole-set commands -------------------------------------------------------

bool CreateLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    InitList(&set.elem[i].head);
    ConsolePrint("线性表%s创建成功！\n", set.elem[i].name);
  }
  return true;
}

bool DestroyLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const char* text = DestroyList(&set.elem[i].head) == OK
                           ? "线性表%s销毁成功！\n"
                           : "线性表%s销毁失败！\n";
    ConsolePrint(text, set.elem[i].name);
  }
  return true;
}

// Clearing or testing a missing list ends the program (exit status -2).
bool ClearLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const char* text = ClearList(set.elem[i].head) == OK
                           ? "线性表%s清空成功！\n"
                           : "线性表%s清空失败！\n";
    ConsolePrint(text, set.elem[i].name);
  }
  return true;
}

bool TestLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const char* text = ListEmpty(set.elem[i].head) == TRUE
                           ? "线性表%s是空的！\n"
                           : "线性表%s不是空的！\n";
    ConsolePrint(text, set.elem[i].name);
  }
  return true;
}

bool MeasureLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const HNode& entry = set.elem[i];
    if (ReportMissing(entry)) continue;
    ConsolePrint("线性表%s的长度为%d\n", entry.name, ListLength(entry.head));
  }
  return true;
}

bool PrintLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const HNode& entry = set.elem[i];
    ConsolePrint("\n--------all elements of %s-----------\n", entry.name);
    if (!ReportMissing(entry) && ListTrabverse(entry.head) == ERROR) {
      ConsolePrint("线性表%s是空表！\n", entry.name);
    }
    ConsolePutLine("\n------------------ end ------------------------");
  }
  return true;
}

// --- element commands ---------------------------------------------------------

bool GetElement(Sqlist& set) {
  ConsoleWrite("请输入要查找的链表序号和在该序号中的位置:");
  int n = 0;
  int i = 0;
  ReadResult r = ReadNumbers({&n, &i});
  if (r != ReadResult::kOk) return r != ReadResult::kEnd;
  ElemType e = 0;
  if (GetElem(HeadOf(set, n), i, &e) == OK) {
    ConsolePrint("第%d条链表第%d位是%d", n, i, e);
  } else {
    ConsolePrint("第%d条链表第%d位不存在", n, i);
  }
  return true;
}

bool LocateElement(Sqlist& set) {
  ConsoleWrite("请输入要查找的数据元素值:");
  int e = 0;
  ReadResult r = ReadNumbers({&e});
  if (r != ReadResult::kOk) return r != ReadResult::kEnd;
  for (int n = 0; n < set.length; ++n) {
    int i = LocateElem(set.elem[n].head, e);
    if (i != 0) {
      ConsolePrint("数据元素%d在第%d条链表第%d位\n", e, n, i);
      return true;
    }
  }
  ConsolePrint("不存在数据元素%d\n", e);
  return true;
}

// Commands 8 and 9: prompts for a value and answers with its neighbour from
// the first list, in the order 0, 1, 2, where op finds one.
using NeighbourOp = Status (*)(LNode*, ElemType, ElemType*);
bool FindNeighbour(Sqlist& set, const char* prompt, NeighbourOp op,
                   const char* found, const char* missing) {
  ConsoleWrite(prompt);
  int cur = 0;
  ReadResult r = ReadNumbers({&cur});
  if (r != ReadResult::kOk) return r != ReadResult::kEnd;
  for (int n = 0; n < set.length; ++n) {
    ElemType neighbour = 0;
    if (op(set.elem[n].head, cur, &neighbour) == OK) {
      ConsolePrint(found, cur, neighbour, n);
      return true;
    }
  }
  ConsolePrint(missing, cur);
  return true;
}

bool FindPrior(Sqlist& set) {
  return FindNeighbour(set, "请输入要查找前驱的元素值：", PriorElem,
                       "数据元素%d的前驱是%d，在第%d条链中\n",
                       "数据元素%d的前驱不存在\n");
}

bool FindNext(Sqlist& set) {
  return FindNeighbour(set, "请输入要查找后继的元素值：", NextElem,
                       "数据元素%d的后继是%d，在第%d条链中\n",
                       "数据元素%d的后继不存在\n");
}

bool InsertElement(Sqlist& set) {
  ConsoleWrite("请依次输入要插入链序号，在该链中的位置和要插入的值：");
  int n = 0;
  int i = 0;
  int e = 0;
  ReadResult r = ReadNumbers({&n, &i, &e});
  if (r != ReadResult::kOk) return r != ReadResult::kEnd;
  ConsoleWrite(ListInsert(HeadOf(set, n), i, e) == OK ? "元素插入成功！"
                                                      : "元素插入失败！");
  return true;
}

bool DeleteElement(Sqlist& set) {
  ConsoleWrite("请输入要删除的链序号和在该链中的位置");
  int n = 0;
  int i = 0;
  ReadResult r = ReadNumbers({&n, &i});
  if (r != ReadResult::kOk) return r != ReadResult::kEnd;
  ElemType e = 0;
  if (ListDelet(HeadOf(set, n), i, &e) == OK) {
    ConsolePrint("元素%d删除成功！", e);
  } else {
    ConsoleWrite("元素删除失败！");
  }
  return true;
}

// --- entry, load and save -----------------------------------------------------

bool EnterLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const HNode& entry = set.elem[i];
    if (ReportMissing(entry)) continue;
    ConsolePrint("正在为链表%s赋值…\n", entry.name);
    AssignElem(entry.head);
    if (InputEnded()) return false;
    ConsolePutLine("赋值成功");
  }
  return true;
}

bool LoadLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const HNode& entry = set.elem[i];
    if (ReportMissing(entry)) continue;
    const char* text = ReadF(entry.head, entry.name) != ERROR
                           ? "文件%s打开成功！\n"
                           : "文件%s打开失败！\n";
    ConsolePrint(text, entry.name);
  }
  return true;
}

bool SaveLists(Sqlist& set) {
  for (int i = 0; i < set.length; ++i) {
    const HNode& entry = set.elem[i];
    if (ReportMissing(entry)) continue;
    if (SaveFile(entry.head, entry.name) != ERROR) {
      ConsolePrint("文件%s保存成功！\n", entry.name);
    } else {
      ConsoleWrite("文件保存失败！");
    }
  }
  return true;
}

constexpr CommandHandler kCommands[] = {
    nullptr,       CreateLists,   DestroyLists,  ClearLists,
    TestLists,     MeasureLists,  GetElement,    LocateElement,
    FindPrior,     FindNext,      InsertElement, DeleteElement,
    PrintLists,    EnterLists,    LoadLists,     SaveLists,
};

}  // namespace

CommandHandler CommandFor(int choice) {
  constexpr int kCount = sizeof kCommands / sizeof kCommands[0];
  if (choice < 1 || choice >= kCount) return nullptr;
  return kCommands[choice];
}
