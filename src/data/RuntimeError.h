#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kuitti {

// The classic run-time error numbers; callers and users know them by number.
enum ErrorNumber : int {
  kOverflow = 6,
  kOutOfMemory = 7,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
  kDllLoadError = 48,
  kFileNotFound = 53,
  kDeviceIoError = 57,
  kBadRecordNumber = 63,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kPrinterError = 482,
};

// Every failure of the core is raised as this one exception type; what() is the report
// "Virhe N: description" that the programs show. Descriptions are Finnish.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, std::string description);

  int number() const { return number_; }
  const std::string& description() const { return description_; }

  // The same error with where it happened added to the description, "description (where)";
  // unchanged when the description already names its file.
  RuntimeError At(std::string_view where) const;

 private:
  bool NamesItsFile() const;

  int number_;
  std::string description_;
};

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseOutOfMemory();
[[noreturn]] void RaiseBadRecordNumber();

}  // namespace kuitti
