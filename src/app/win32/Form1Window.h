#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/Form1Steps.h"
#include "app/Window.h"
#include "app/win32/WindowProcedure.h"

namespace kuitti {

class Printer;

// The window class of Form1, by which a later start finds the running window.
inline constexpr wchar_t kForm1WindowClass[] = L"Kuittikopio.Form1";

// The child window identifier of a control, by which other programs (tests) find it.
constexpr int ControlId(Control control) {
  return 100 + static_cast<int>(control);
}

// Form1 on the Win32 API: the controls made from the layout table at the window's DPI, their
// clicks and keys translated to the shared commands; what the window does is in Form1Steps.
class Form1Window final : public Window {
 public:
  // "Tulosta" prints on `printer`, which outlives the window.
  Form1Window(Printer& printer, std::string dataPath);
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  HWND Handle() const { return window_; }
  HWND ControlOf(Control control) const;

  // Shows the window with the focus in Text2 (the voucher box).
  void Show(int showCommand);

  // The window's keys, before the message is dispatched: those of Form1's table run their
  // commands (Ctrl+F and F3 open the search, Enter in Text2, the voucher box, fetches, Ctrl+P
  // prints), then the
  // dialog manager's Tab, Shift+Tab, Enter and Space. True when the message was used.
  bool TranslateKeys(MSG& message);

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

 private:
  template <typename Owner>
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void MakeControls();
  void AddVoucherBoxTip();
  void ShowCopyScrollBar();
  void LayOut(UINT dpi);
  void CommandMessage(int id);

  HWND window_ = nullptr;
  std::array<HWND, form1::kControls.size()> controls_{};
  HFONT copyFont_ = nullptr;
  HFONT textFont_ = nullptr;
  HBRUSH copyBackground_ = nullptr;
  HWND focusBeforeDeactivation_ = nullptr;
  std::wstring voucherBoxTip_;
  Form1Steps steps_;
};

}  // namespace kuitti
