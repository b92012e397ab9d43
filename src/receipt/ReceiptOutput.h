#pragma once

#include <string_view>

namespace kuitti {

// Where a receipt copy goes: the window's text box or a plain text buffer. Text is UTF-8.
class ReceiptOutput {
 public:
  virtual ~ReceiptOutput() = default;
  virtual void SetText(std::string_view text) = 0;
  virtual void AppendText(std::string_view text) = 0;
  // A modal message with one OK button.
  virtual void ShowMessage(std::string_view message) = 0;
};

}  // namespace kuitti
