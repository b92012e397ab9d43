#include "RuntimeError.h"

#include <utility>

namespace kuitti {

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error("Virhe " + std::to_string(number) + ": " + description),
      number_(number),
      description_(std::move(description)) {}

void RaiseOverflow() {
  throw RuntimeError(kOverflow, "Overflow");
}
void RaiseDivisionByZero() {
  throw RuntimeError(kDivisionByZero, "Division by zero");
}
void RaiseSubscriptOutOfRange() {
  throw RuntimeError(kSubscriptOutOfRange, "Subscript out of range");
}
void RaiseBadRecordNumber() {
  throw RuntimeError(kBadRecordNumber, "Bad record number");
}

}  // namespace kuitti
