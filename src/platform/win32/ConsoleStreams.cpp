#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/Console.h"
#include "platform/win32/WideText.h"

namespace kuitti {
namespace {

// One standard stream: a console window gets UTF-16 characters; a file or a pipe gets the
// bytes unchanged, in binary mode, so that CR LF is never written as CR CR LF.
class Stream {
 public:
  Stream(DWORD handleName, std::FILE* file) : file_(file) {
    handle_ = ::GetStdHandle(handleName);
    DWORD mode = 0;
    console_ =
        handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle_, &mode);
    if (!console_) {
      _setmode(_fileno(file_), _O_BINARY);
    }
  }

  void Write(std::string_view text) {
    if (!console_) {
      std::fwrite(text.data(), 1, text.size(), file_);
      return;
    }
    const std::wstring wide = WideFromUtf8(text);
    std::size_t written = 0;
    while (written < wide.size()) {
      DWORD count = 0;
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - written, 8192));
      if (!::WriteConsoleW(handle_, wide.data() + written, chunk, &count, nullptr) || count == 0) {
        failed_ = true;
        return;
      }
      written += count;
    }
  }

  bool Flush() {
    if (console_) {
      return !failed_;
    }
    return std::fflush(file_) == 0 && !std::ferror(file_);
  }

 private:
  std::FILE* file_;
  HANDLE handle_ = nullptr;
  bool console_ = false;
  bool failed_ = false;
};

Stream& Output() {
  static Stream stream(STD_OUTPUT_HANDLE, stdout);
  return stream;
}

Stream& Error() {
  static Stream stream(STD_ERROR_HANDLE, stderr);
  return stream;
}

}  // namespace

void WriteOutput(std::string_view text) {
  Output().Write(text);
}

void WriteError(std::string_view text) {
  Error().Write(text);
}

bool FlushOutput() {
  return Output().Flush();
}

}  // namespace kuitti
