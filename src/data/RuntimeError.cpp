#include "data/RuntimeError.h"

#include <utility>

namespace kuitti {

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error("Virhe " + std::to_string(number) + ": " + description),
      number_(number),
      description_(std::move(description)) {}

RuntimeError RuntimeError::At(std::string_view where) const {
  if (NamesItsFile()) {
    return *this;
  }
  return RuntimeError(number_, description_ + " (" + std::string(where) + ")");
}

bool RuntimeError::NamesItsFile() const {
  switch (number_) {
    case kFileNotFound:
    case kDeviceIoError:
    case kPermissionDenied:
    case kPathFileAccessError:
    case kPathNotFound:
      return true;
    default:
      return false;
  }
}

void RaiseOverflow() {
  throw RuntimeError(kOverflow, "Ylivuoto");
}
void RaiseOutOfMemory() {
  throw RuntimeError(kOutOfMemory, "Muisti loppui");
}
void RaiseBadRecordNumber() {
  throw RuntimeError(kBadRecordNumber, "Virheellinen tietuenumero");
}

}  // namespace kuitti
