#include "platform/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "data/RuntimeError.h"
#include "platform/win32/WideText.h"

namespace kuitti {
namespace {

// Closes the handle when it goes.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) {
      ::CloseHandle(handle_);
    }
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

[[noreturn]] void RaiseWriteError(const std::string& path) {
  throw RuntimeError(kDeviceIoError, "Tiedoston kirjoitusvirhe: " + path);
}

// Why no file can be made in the folder, worded after the fact as the Linux build words it.
[[noreturn]] void RaiseCannotCreate(const std::string& path, const std::wstring& folder,
                                    DWORD error) {
  const std::string shown = Utf8FromWide(folder);
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    throw RuntimeError(kPathNotFound, "Hakemistoa ei löydy: " + shown);
  }
  if (error == ERROR_ACCESS_DENIED) {
    throw RuntimeError(kPermissionDenied, "Ei kirjoitusoikeutta hakemistoon: " + shown);
  }
  throw RuntimeError(kPathFileAccessError, "Tiedostoa ei voi kirjoittaa: " + path);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) {
    return L".";
  }
  return slash == 0 || (slash == 2 && path[1] == L':') ? path.substr(0, slash + 1)
                                                       : path.substr(0, slash);
}

// An existing path that is a device or a pipe, which a rename would replace by a plain file.
bool IsNoRegularFile(const std::wstring& path) {
  const Handle existing(::CreateFileW(path.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  return existing.valid() && ::GetFileType(existing.get()) != FILE_TYPE_DISK;
}

}  // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::wstring wide = WideFromUtf8(path);
  if (IsNoRegularFile(wide)) {
    const Handle device(::CreateFileW(wide.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!device.valid() || !WriteAll(device.get(), bytes)) {
      RaiseWriteError(path);
    }
    return;
  }
  // A rename would replace a read-only file under some file systems; it is the user's word
  // that the file stays.
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    throw RuntimeError(kPathFileAccessError, "Tiedostoa ei voi kirjoittaa: " + path);
  }
  const std::wstring folder = FolderOf(wide);
  wchar_t temporary[MAX_PATH + 1];
  if (folder.size() >= MAX_PATH - 14 || !::GetTempFileNameW(folder.c_str(), L"kui", 0, temporary)) {
    RaiseCannotCreate(path, folder, ::GetLastError());
  }
  bool complete = false;
  {
    const Handle file(::CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    complete = file.valid() && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
  }
  if (!complete) {
    ::DeleteFileW(temporary);
    RaiseWriteError(path);
  }
  if (!::MoveFileExW(temporary, wide.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = ::GetLastError();
    ::DeleteFileW(temporary);
    if (error == ERROR_ACCESS_DENIED) {
      throw RuntimeError(kPathFileAccessError, "Tiedostoa ei voi kirjoittaa: " + path);
    }
    RaiseWriteError(path);
  }
}

}  // namespace kuitti
