#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/Window.h"

namespace kuitti::test {

// Form1 without a toolkit: keeps the controls' texts and states, and writes down every call of
// the steps, one line each ("SetEnabled Command1 0", "ShowMessage ...").
class RecordingWindow final : public Window {
 public:
  RecordingWindow();

  std::string Text(Control control) const override;
  void SetText(Control control, std::string_view text) override;
  void SetEnabled(Control control, bool enabled) override;
  void FocusAndSelectAll(Control control) override;
  void ShowMessage(std::string_view text) override;
  void SetBusy(bool busy) override;
  void OpenSearch() override;
  void Quit() override;
  std::optional<std::string> AskPdfPath(std::string_view proposedName) override;
  void CopyText() override;

  // What a user does: types into a box, without a call being written down.
  void Type(Control control, std::string_view text) { texts[control] = text; }

  std::map<Control, std::string> texts;
  std::map<Control, bool> enabled;
  bool busy = false;
  std::vector<std::string> calls;
  std::vector<std::string> messages;
  std::vector<bool> busyAtMessage;
  std::optional<std::string> pdfPath;  // what the save dialog answers; nothing: cancelled
};

}  // namespace kuitti::test
