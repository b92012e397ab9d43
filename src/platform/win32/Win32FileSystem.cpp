#include <windows.h>

#include <algorithm>

#include "data/FileAccess.h"
#include "platform/win32/FileErrors.h"
#include "platform/win32/WideText.h"

namespace kuitti {
namespace {

// The largest single ReadFile; a longer read is made of several.
constexpr std::size_t kMaxRead = 1 << 30;

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class Win32File final : public RandomAccessFile {
 public:
  Win32File(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~Win32File() override { ::CloseHandle(handle_); }
  Win32File(const Win32File&) = delete;
  Win32File& operator=(const Win32File&) = delete;

  std::int64_t Length() override {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle_, &size)) {
      throw FileError(FileProblem::kReadFailed, path_);
    }
    return size.QuadPart;
  }

  // Positioned reads through OVERLAPPED offsets: the handle's own file pointer is never used,
  // so the read-ahead thread and the caller may read at once.
  std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override {
    std::size_t total = 0;
    while (total < out.size()) {
      const std::uint64_t at = static_cast<std::uint64_t>(offset) + total;
      OVERLAPPED position{};
      position.Offset = static_cast<DWORD>(at);
      position.OffsetHigh = static_cast<DWORD>(at >> 32);
      const auto wanted = static_cast<DWORD>(std::min(out.size() - total, kMaxRead));
      DWORD got = 0;
      if (!::ReadFile(handle_, out.data() + total, wanted, &got, &position)) {
        if (::GetLastError() == ERROR_HANDLE_EOF) {
          break;
        }
        throw FileError(FileProblem::kReadFailed, path_);
      }
      if (got == 0) {
        break;
      }
      total += got;
    }
    return total;
  }

 private:
  HANDLE handle_;
  std::string path_;
};

class Win32Files final : public FileSystem {
 public:
  // Read access only, and every share mode granted, so that the point-of-sale system may keep
  // writing, growing, renaming, deleting or replacing the file while it is open here. The path
  // goes to the API whole: drive, UNC (\\server\share\...) and \\?\ paths alike.
  std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override {
    const std::wstring wide = WideFromUtf8(path);
    const HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = ::GetLastError();
      // A directory refuses a plain open with "access denied".
      if (IsDirectory(wide)) {
        throw FileError(FileProblem::kNotAPlainFile, path);
      }
      throw FileOpenError(error, path);
    }
    // A pipe or a device (CON, NUL, COM1) opens too, but holds no records.
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
      ::CloseHandle(handle);
      throw FileError(FileProblem::kNotAPlainFile, path);
    }
    return std::make_unique<Win32File>(handle, path);
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32Files files;
  return files;
}

}  // namespace kuitti
