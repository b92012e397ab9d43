#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/win32/WideText.h"
#include "support/DataFiles.h"
#include "support/Process.h"

namespace kuitti::test {
namespace {

// One argument quoted so that the program's command-line parser gives it back unchanged:
// backslashes are literal except before a quote, where they and the quote are escaped.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

HANDLE Inheritable(const std::wstring& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const HANDLE handle = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    throw std::runtime_error("cannot open " + Utf8FromWide(path));
  }
  return handle;
}

std::wstring CommandLineOf(const std::string& program, const std::vector<std::string>& arguments) {
  std::wstring line = Quoted(WideFromUtf8(program));
  for (const std::string& argument : arguments) {
    line += L" " + Quoted(WideFromUtf8(argument));
  }
  return line;
}

}  // namespace

Outcome RunProgram(const std::string& program, const Command& command) {
  DataDirectory capture;
  const std::wstring outPath = (capture.path() / "stdout").wstring();
  const std::wstring errPath = (capture.path() / "stderr").wstring();

  std::wstring environment;
  for (const std::string& variable : command.environment) {
    environment += WideFromUtf8(variable) + L'\0';
  }
  environment += L'\0';
  std::wstring line = CommandLineOf(program, command.arguments);
  const std::wstring directory = WideFromUtf8(command.workingDirectory);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = Inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = Inheritable(outPath, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = Inheritable(errPath, GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  // Under wine a start now and then fails with an internal error, about once in a few
  // thousand when thousands start in a row; such a start is tried again.
  constexpr int kStarts = 5;
  BOOL started = FALSE;
  DWORD error = 0;
  for (int start = 1; start <= kStarts && !started; ++start) {
    started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                               CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(),
                               directory.empty() ? nullptr : directory.c_str(), &startup, &process);
    error = started ? 0 : ::GetLastError();
    if (error != ERROR_INTERNAL_ERROR) {
      break;
    }
    ::Sleep(100);
  }
  for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    ::CloseHandle(handle);
  }
  if (!started) {
    throw std::runtime_error("cannot run " + program + ": Windows error " + std::to_string(error));
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);

  Outcome outcome;
  outcome.exitCode = static_cast<int>(exitCode);
  outcome.out = ReadFileBytes(outPath);
  outcome.err = ReadFileBytes(errPath);
  return outcome;
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> environment;
  wchar_t* const block = ::GetEnvironmentStringsW();
  for (const wchar_t* variable = block; *variable != L'\0'; variable += wcslen(variable) + 1) {
    // Entries such as "=C:=C:\dir" are the per-drive current directories, not variables.
    if (*variable != L'=') {
      environment.push_back(Utf8FromWide(variable));
    }
  }
  ::FreeEnvironmentStringsW(block);
  return environment;
}

}  // namespace kuitti::test
