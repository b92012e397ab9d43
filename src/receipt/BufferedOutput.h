#pragma once

#include <string>
#include <vector>

#include "ReceiptOutput.h"

namespace kuitti {

// Keeps the copy as plain text and the messages as a list, for the renderer and the tests.
class BufferedOutput final : public ReceiptOutput {
 public:
  void SetText(std::string_view text) override { text_ = text; }
  void AppendText(std::string_view text) override { text_ += text; }
  void ShowMessage(std::string_view message) override { messages_.emplace_back(message); }

  const std::string& text() const { return text_; }
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  std::string text_;
  std::vector<std::string> messages_;
};

}  // namespace kuitti
