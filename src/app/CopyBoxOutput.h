#pragma once

#include <string>

#include "ReceiptOutput.h"

namespace kuitti {

class CopyTextBox;
class MessageBoxes;

// The window as the copy builder's output. The copy is gathered as text and put into the box
// whole, at the end of the fetch or before a message, so the builder's many small appends
// never split a CR LF pair between two edits of the document.
class CopyBoxOutput final : public ReceiptOutput {
 public:
  CopyBoxOutput(CopyTextBox& box, MessageBoxes& messages) : box_(box), messages_(messages) {}

  void SetText(std::string_view text) override;
  void AppendText(std::string_view text) override;
  void ShowMessage(std::string_view message) override;

  // Puts the text gathered so far into the box.
  void Flush();

 private:
  CopyTextBox& box_;
  MessageBoxes& messages_;
  std::string text_;
};

}  // namespace kuitti
