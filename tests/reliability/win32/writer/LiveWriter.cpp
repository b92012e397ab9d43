// The point-of-sale system as Windows runs it, for the live-writer test: opens CASSA.004 and
// CASSA.001 for writing with a share mode of its own (others may read, nobody else may write),
// locks them for a moment, appends to them, rewrites them with noise, truncates them, writes
// them back and replaces them with new files, until it is ended. It exits with 1 as soon as
// Windows refuses it anything that a reader's open handle could refuse: with 3 for an open for
// sharing, 4 for a lock, 5 for a replacement.
//   kuitti-live-writer.exe DATAPATH

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "reliability/WriterRandom.h"

namespace {

using kuitti::test::Next;

using Bytes = std::vector<unsigned char>;

Bytes ReadAll(const std::wstring& path) {
  Bytes bytes;
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER size{};
  if (file != INVALID_HANDLE_VALUE && ::GetFileSizeEx(file, &size)) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
  }
  ::CloseHandle(file);
  return bytes;
}

void WriteAt(HANDLE file, const unsigned char* data, std::size_t size, std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD written = 0;
  ::WriteFile(file, data, static_cast<DWORD>(size), &written, &position);
}

void Truncate(HANDLE file, std::uint64_t length) {
  FILE_END_OF_FILE_INFO end{};
  end.EndOfFile.QuadPart = static_cast<LONGLONG>(length);
  ::SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end);
}

enum Refusal : UINT { kOpen = 3, kLock = 4, kReplace = 5 };

[[noreturn]] void Refused(Refusal what) {
  ::ExitProcess(what);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    return 2;
  }
  const std::wstring directory = argv[1];
  const std::vector<std::wstring> paths = {directory + L"CASSA.004", directory + L"CASSA.001"};
  const std::vector<Bytes> good = {ReadAll(paths[0]), ReadAll(paths[1])};
  std::uint64_t random = 42;
  std::uint64_t replaced = 0;
  for (;;) {
    for (std::size_t f = 0; f < paths.size(); ++f) {
      const std::wstring& path = paths[f];
      const Bytes& bytes = good[f];
      const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_SHARING_VIOLATION) {
          Refused(kOpen);
        }
        continue;
      }
      OVERLAPPED whole{};
      if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                        MAXDWORD, &whole)) {
        Refused(kLock);
      }
      ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
      bool replace = false;
      switch (Next(random) % 5) {
        case 0:  // append a few records' worth of what is there
          WriteAt(file, bytes.data(), bytes.size() / 50, bytes.size());
          break;
        case 1:  // rewrite the middle with noise
          for (int i = 0; i < 64; ++i) {
            const unsigned char noise[7] = {0, 'M', 0xFF, ' ', '1', 0x80, 0x7F};
            WriteAt(file, noise, sizeof noise, Next(random) % bytes.size());
          }
          break;
        case 2:  // truncate anywhere, even inside a record
          Truncate(file, Next(random) % bytes.size());
          break;
        case 3:  // write back the good contents
          Truncate(file, 0);
          WriteAt(file, bytes.data(), bytes.size(), 0);
          break;
        default:
          replace = true;
      }
      ::CloseHandle(file);
      if (replace) {  // by a new file of half the contents
        const std::wstring fresh = path + L".new";
        const HANDLE other = ::CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        WriteAt(other, bytes.data(), bytes.size() / 2, 0);
        ::CloseHandle(other);
        // Windows refuses to rename a file over one that is open, whatever its share mode;
        // the open one is moved aside first, which a reader allows by sharing deletion.
        // Its name is new each time: an old file still open here keeps its name until closed.
        const std::wstring old = path + L".old" + std::to_wstring(++replaced);
        if (!::MoveFileExW(path.c_str(), old.c_str(), 0)) {
          Refused(kReplace);
        }
        ::MoveFileExW(fresh.c_str(), path.c_str(), 0);
        ::DeleteFileW(old.c_str());
      }
    }
  }
}
