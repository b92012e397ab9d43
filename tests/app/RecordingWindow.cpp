#include "app/RecordingWindow.h"

namespace kuitti::test {

namespace {

std::string NameOf(Control control) {
  return std::string(form1::LayoutOf(control).name);
}

}  // namespace

RecordingWindow::RecordingWindow() {
  for (const ControlLayout& layout : form1::kControls) {
    texts[layout.control] = layout.text;
    enabled[layout.control] = true;
  }
}

std::string RecordingWindow::Text(Control control) const {
  return texts.at(control);
}

void RecordingWindow::SetText(Control control, std::string_view text) {
  calls.push_back("SetText " + NameOf(control));
  texts[control] = text;
}

void RecordingWindow::SetEnabled(Control control, bool on) {
  calls.push_back("SetEnabled " + NameOf(control) + (on ? " 1" : " 0"));
  enabled[control] = on;
}

void RecordingWindow::FocusAndSelectAll(Control control) {
  calls.push_back("FocusAndSelectAll " + NameOf(control));
}

void RecordingWindow::ShowMessage(std::string_view text) {
  calls.push_back("ShowMessage");
  messages.emplace_back(text);
  busyAtMessage.push_back(busy);
}

void RecordingWindow::SetBusy(bool on) {
  calls.push_back(on ? "SetBusy 1" : "SetBusy 0");
  busy = on;
}

void RecordingWindow::OpenSearch() {
  calls.push_back("OpenSearch");
}

std::optional<std::string> RecordingWindow::AskPdfPath(std::string_view proposedName) {
  calls.push_back("AskPdfPath " + std::string(proposedName));
  return pdfPath;
}

void RecordingWindow::CopyText() {
  calls.push_back("CopyText");
}

void RecordingWindow::Quit() {
  calls.push_back("Quit");
}

}  // namespace kuitti::test
