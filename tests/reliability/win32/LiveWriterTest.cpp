// The point-of-sale system keeps writing while staff fetch copies: another process, with a
// share mode of its own, locks, appends to, rewrites, truncates and replaces CASSA.004 and
// CASSA.001 in a loop while fetches run again and again. It stops at the first thing that
// Windows refuses it because of a handle of ours.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "data/RuntimeError.h"
#include "platform/win32/WideText.h"
#include "receipt/ReceiptCopy.h"
#include "reliability/LiveWriterData.h"
#include "support/Fetch.h"

namespace kuitti::test {
namespace {

constexpr int kFetches = 1000;

// The writer, ended when the object goes.
class Writer {
 public:
  explicit Writer(const std::string& dataPath) {
    std::wstring line =
        L"\"" + WideFromUtf8(KUITTI_LIVE_WRITER_BINARY) + L"\" \"" + WideFromUtf8(dataPath) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                nullptr, nullptr, &startup, &process_);
  }
  ~Writer() {
    if (started_) {
      ::TerminateProcess(process_.hProcess, 9);
      ::WaitForSingleObject(process_.hProcess, INFINITE);
      ::CloseHandle(process_.hThread);
      ::CloseHandle(process_.hProcess);
    }
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  bool Started() const { return started_; }
  // STILL_ACTIVE while it runs; otherwise what was refused (see LiveWriter.cpp).
  DWORD ExitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

DWORD HandleCount() {
  DWORD count = 0;
  ::GetProcessHandleCount(::GetCurrentProcess(), &count);
  return count;
}

TEST(LiveWriter, EveryFetchEndsInACopyOrAClearErrorWhileTheFilesChange) {
  DataDirectory directory;
  directory.WriteAll(SomeProducts(), SomeRows());
  const Writer writer(directory.DataPath());
  ASSERT_TRUE(writer.Started());

  FetchOutcomes outcomes;
  Module1 module;  // one program state for the whole run, as in the window
  FetchFrom(directory, "100000", module);
  // The writer holds the files itself, so an open file of ours shows as a handle left over.
  const DWORD handles = HandleCount();
  for (int fetch = 0; fetch < kFetches; ++fetch) {
    FetchWhileWritten(directory, fetch, module, outcomes);
    ASSERT_EQ(HandleCount(), handles) << "files left open";
  }
  ASSERT_EQ(writer.ExitCode(), STILL_ACTIVE) << "the writer stopped: Windows refused it something";
  ExpectAllFetchesEnded(outcomes, kFetches);
}

}  // namespace
}  // namespace kuitti::test
