#include "queue_purge.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "message_box.h"

namespace {

// A scripted spooler: a queue of job ids and one call that may fail.
struct FakeSpooler {
  std::vector<DWORD> jobs;
  std::string failing;  // "open", "printer-size", "printer", "jobs-size", "jobs"
  DWORD failError = ERROR_ACCESS_DENIED;
  bool undersizedPrinterRecord = false;
  DWORD reportedJobs = 0;  // 0: the real count
  std::vector<std::string> calls;
  std::vector<DWORD> deleted;
  int openHandles = 0;
};

FakeSpooler* g_fake = nullptr;
HANDLE const kPrinter = reinterpret_cast<HANDLE>(0x1234);

BOOL Fail(const char* call) {
  if (g_fake->failing != call) return TRUE;
  SetLastError(g_fake->failError);
  return FALSE;
}

BOOL WINAPI FakeOpen(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults) {
  g_fake->calls.push_back(std::string("open ") + name + (defaults ? " defaults" : ""));
  if (!Fail("open")) return FALSE;
  *printer = kPrinter;
  ++g_fake->openHandles;
  return TRUE;
}

BOOL WINAPI FakeGetPrinter(HANDLE, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) {
  g_fake->calls.push_back("get-printer " + std::to_string(level));
  const DWORD recordSize =
      g_fake->undersizedPrinterRecord ? sizeof(DWORD) : sizeof(PRINTER_INFO_2A) + 64;
  *needed = recordSize;
  if (!buffer) {
    if (!Fail("printer-size")) return FALSE;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  if (!Fail("printer")) return FALSE;
  if (size < sizeof(PRINTER_INFO_2A)) return FALSE;
  auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer);
  info->cJobs = static_cast<DWORD>(g_fake->jobs.size());
  return TRUE;
}

BOOL WINAPI FakeEnumJobs(HANDLE, DWORD first, DWORD count, DWORD level, LPBYTE buffer,
                         DWORD size, LPDWORD needed, LPDWORD returned) {
  g_fake->calls.push_back("enum-jobs " + std::to_string(first) + " " + std::to_string(count) +
                          " " + std::to_string(level));
  *needed = static_cast<DWORD>(g_fake->jobs.size() * sizeof(JOB_INFO_2A));
  *returned = 0;
  if (!buffer || g_fake->jobs.empty()) {
    if (g_fake->jobs.empty() && buffer) return Fail("jobs");
    if (!Fail("jobs-size")) return FALSE;
    if (g_fake->jobs.empty()) return TRUE;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  if (!Fail("jobs")) return FALSE;
  for (std::size_t i = 0; i < g_fake->jobs.size() && (i + 1) * sizeof(JOB_INFO_2A) <= size; ++i) {
    auto* record = reinterpret_cast<JOB_INFO_2A*>(buffer) + i;
    EXPECT_EQ(record->JobId, 0u) << "the buffer must be zero-filled";
    record->JobId = g_fake->jobs[i];
  }
  *returned = g_fake->reportedJobs ? g_fake->reportedJobs : static_cast<DWORD>(g_fake->jobs.size());
  return TRUE;
}

BOOL WINAPI FakeSetJob(HANDLE, DWORD job, DWORD level, LPBYTE info, DWORD command) {
  EXPECT_EQ(level, 0u);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(command, static_cast<DWORD>(JOB_CONTROL_DELETE));
  g_fake->deleted.push_back(job);
  return FALSE;  // the purge does not look at the result
}

BOOL WINAPI FakeClose(HANDLE printer) {
  EXPECT_EQ(printer, kPrinter);
  --g_fake->openHandles;
  g_fake->calls.push_back("close");
  return TRUE;
}

struct Box {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};
std::vector<Box> g_boxes;

int RecordBox(HWND owner, const char* text, const char* caption, UINT type) {
  g_boxes.push_back({owner, text, caption, type});
  return IDOK;
}

class QueuePurge : public ::testing::Test {
 protected:
  void SetUp() override {
    g_fake = &fake;
    g_boxes.clear();
    const SpoolerCalls calls = {FakeOpen, FakeGetPrinter, FakeEnumJobs, FakeSetJob, FakeClose};
    previousCalls = SetSpoolerCalls(&calls);
    previousHook = SetMessageBoxHook(RecordBox);
  }
  void TearDown() override {
    SetSpoolerCalls(&previousCalls);
    SetMessageBoxHook(previousHook);
    g_fake = nullptr;
  }

  FakeSpooler fake;
  SpoolerCalls previousCalls = {};
  MessageBoxHook previousHook = nullptr;
};

TEST_F(QueuePurge, EmptyQueueDeletesNothingAndSucceeds) {
  EXPECT_TRUE(DeleteQueuedJobs(nullptr));
  EXPECT_TRUE(fake.deleted.empty());
  EXPECT_EQ(fake.openHandles, 0);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(QueuePurge, DeletesEveryQueuedJobInTheSpoolersOrder) {
  fake.jobs = {7, 3, 12};
  EXPECT_TRUE(DeleteQueuedJobs(nullptr));
  EXPECT_EQ(fake.deleted, (std::vector<DWORD>{7, 3, 12}));
  EXPECT_EQ(fake.calls,
            (std::vector<std::string>{"open Quillor Printer", "get-printer 2", "get-printer 2",
                                      "enum-jobs 0 3 2", "enum-jobs 0 3 2", "close"}));
  EXPECT_EQ(fake.openHandles, 0);
}

TEST_F(QueuePurge, EachFailingCallClosesThePrinterAndReportsFalseSilently) {
  for (const char* call : {"printer-size", "printer", "jobs-size", "jobs"}) {
    fake = FakeSpooler();
    fake.jobs = {1, 2};
    fake.failing = call;
    EXPECT_FALSE(DeleteQueuedJobs(nullptr)) << call;
    EXPECT_TRUE(fake.deleted.empty()) << call;
    EXPECT_EQ(fake.openHandles, 0) << call;
    EXPECT_EQ(fake.calls.back(), "close") << call;
  }
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(QueuePurge, PrinterThatCannotBeOpenedIsReportedOnceToTheGivenOwner) {
  fake.failing = "open";
  EXPECT_FALSE(DeleteQueuedJobs(nullptr));
  ASSERT_EQ(g_boxes.size(), 1u);
  EXPECT_EQ(g_boxes[0].owner, nullptr);
  EXPECT_EQ(g_boxes[0].text, "Could not open printer");
  EXPECT_EQ(g_boxes[0].caption, "Error");
  EXPECT_EQ(g_boxes[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"open Quillor Printer"}));

  HWND owner = GetDesktopWindow();
  DeleteQueuedJobs(owner);
  ASSERT_EQ(g_boxes.size(), 2u);
  EXPECT_EQ(g_boxes[1].owner, owner);
}

TEST_F(QueuePurge, RecordsOutsideTheBufferAreNeverRead) {
  // A printer record too small to hold its fields, and a job count beyond the buffer.
  fake.undersizedPrinterRecord = true;
  fake.jobs = {5};
  EXPECT_FALSE(DeleteQueuedJobs(nullptr));
  EXPECT_EQ(fake.openHandles, 0);

  fake = FakeSpooler();
  fake.jobs = {5, 6};
  fake.reportedJobs = 40;
  EXPECT_TRUE(DeleteQueuedJobs(nullptr));
  EXPECT_EQ(fake.deleted, (std::vector<DWORD>{5, 6}));
}

}  // namespace
