#include "CopyBoxOutput.h"

#include "CopyTextBox.h"
#include "MessageBoxes.h"

namespace kuitti {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void CopyBoxOutput::SetText(std::string_view text) {
  text_ = text;
}

void CopyBoxOutput::AppendText(std::string_view text) {
  text_ += text;
}

void CopyBoxOutput::ShowMessage(std::string_view message) {
  Flush();
  messages_.Show(FromUtf8(message));
}

void CopyBoxOutput::Flush() {
  box_.SetCopyText(FromUtf8(text_));
}

}  // namespace kuitti
