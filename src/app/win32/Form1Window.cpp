#include "app/win32/Form1Window.h"

#include <commctrl.h>

#include <cmath>

#include "app/EntryText.h"
#include "app/FetchReport.h"
#include "app/win32/Clipboard.h"
#include "app/win32/ControlFonts.h"
#include "app/win32/CopyBoxFont.h"
#include "app/win32/CopyBoxMenu.h"
#include "app/win32/CopyBoxPaint.h"
#include "app/win32/KeyChords.h"
#include "app/win32/ResourceIds.h"
#include "app/win32/SavePdfDialog.h"
#include "app/win32/SearchDialogWindow.h"
#include "app/win32/WindowText.h"
#include "platform/PlatformSettings.h"
#include "platform/win32/WideText.h"
#include "print/PdfCopyFile.h"

namespace kuitti {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Tab and Shift+Tab leave the copy, as in the Qt window: the box takes every other key. Ctrl+A
// selects the whole copy, which not every edit control of Windows and wine does by itself.
// Its context menu is the window's, not the edit control's own.
LRESULT CALLBACK CopyBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_CONTEXTMENU) {
    return SendMessageW(GetParent(box), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), lParam);
  }
  if (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
      GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0) {
    SendMessageW(box, EM_SETSEL, 0, -1);
    return 0;
  }
  if (message == WM_GETDLGCODE) {
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    const LRESULT code = DefSubclassProc(box, message, wParam, lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB) {
      return code & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    }
    return code;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

// Text2 (the voucher box) holds one line without control characters, whether typed or pasted.
// Backspace comes as a character too.
LRESULT CALLBACK VoucherBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
  if (message == WM_CHAR && wParam != VK_BACK && !StaysInOneLine(static_cast<char32_t>(wParam))) {
    return 0;
  }
  if (message == WM_PASTE) {
    if (OpenClipboard(box)) {
      std::wstring pasted;
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
          pasted = text;
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
      const std::wstring kept = WideFromUtf8(SingleLineText(Utf8FromWide(pasted)));
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
    }
    return 0;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

Form1Window::Form1Window(Printer& printer, std::string dataPath)
    : steps_(*this, printer, WritePdfCopyFile, SystemFileSystem(), RegionalNumberFormat(),
             FetchReport) {
  steps_.SetDataPath(std::move(dataPath));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure<Form1Window>;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageW(
      instance, MAKEINTRESOURCEW(KUITTI_ICON_RESOURCE), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(
      instance, MAKEINTRESOURCEW(KUITTI_ICON_RESOURCE), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kForm1WindowClass;
  RegisterClassExW(&windowClass);

  const Rgb& grey = form1::kCopyBackground;
  copyBackground_ = CreateSolidBrush(RGB(grey.red, grey.green, grey.blue));
  window_ = CreateWindowExW(0, kForm1WindowClass, WideFromUtf8(form1::kCaption).c_str(), kStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance, this);
  MakeControls();
  LayOut(GetDpiForWindow(window_));
}

Form1Window::~Form1Window() {
  if (window_) {
    DestroyWindow(window_);
  }
  DeleteObject(copyFont_);
  DeleteObject(textFont_);
  DeleteObject(copyBackground_);
}

HWND Form1Window::ControlOf(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

void Form1Window::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  // Staff type the number first.
  SetFocus(ControlOf(Control::kText2));
}

bool Form1Window::TranslateKeys(MSG& message) {
  const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  if (keyDown && (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
    const KeyFocus focus =
        message.hwnd == ControlOf(Control::kText2) ? KeyFocus::kVoucherBox : KeyFocus::kAnywhere;
    if (const std::optional<Command> command =
            CommandOfKey(kForm1Keys, KeyChordOf(message.wParam), focus)) {
      steps_.Run(*command);
      return true;
    }
  }
  return IsDialogMessageW(window_, &message);
}

std::string Form1Window::Text(Control control) const {
  return WindowTextOf(ControlOf(control));
}

void Form1Window::SetText(Control control, std::string_view text) {
  SetWindowTextTo(ControlOf(control), text);
  if (control == Control::kText1) {
    ShowCopyScrollBar();
  }
}

void Form1Window::ShowCopyScrollBar() {
  // The edit keeps its bar, disabled, when the copy fits; a copy that fits shows none, as the
  // box always did. The text is set at the top.
  HWND box = ControlOf(Control::kText1);
  RECT inside{};
  GetClientRect(box, &inside);
  TEXTMETRICW metrics{};
  if (HDC context = GetDC(box)) {
    const HGDIOBJ before = SelectObject(context, copyFont_);
    GetTextMetricsW(context, &metrics);
    SelectObject(context, before);
    ReleaseDC(box, context);
  }
  const LRESULT lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
  const bool more = metrics.tmHeight > 0 && lines > (inside.bottom - inside.top) / metrics.tmHeight;
  ShowScrollBar(box, SB_VERT, more);
}

void Form1Window::SetEnabled(Control control, bool enabled) {
  EnableWindow(ControlOf(control), enabled);
}

void Form1Window::FocusAndSelectAll(Control control) {
  SetFocus(ControlOf(control));
  SendMessageW(ControlOf(control), EM_SETSEL, 0, -1);
}

void Form1Window::ShowMessage(std::string_view text) {
  ShowMessageBox(window_, text);
}

void Form1Window::SetBusy(bool busy) {
  SetBusyCursor(busy);
}

void Form1Window::OpenSearch() {
  SearchDialogWindow dialog(window_, steps_.DataPath(),
                            [this](const std::string& voucher) { steps_.FetchVoucher(voucher); });
  dialog.Run();
}

void Form1Window::Quit() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

std::optional<std::string> Form1Window::AskPdfPath(std::string_view proposedName) {
  return AskPdfPathInDocuments(window_, proposedName);
}

void Form1Window::CopyText() {
  const HWND box = ControlOf(Control::kText1);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  CopyToClipboard(window_, start < end ? text.substr(start, end - start) : text);
}

LRESULT Form1Window::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED || lParam == 0) {
        CommandMessage(LOWORD(wParam));
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // sent instead while the box is read-only or disabled
      if (reinterpret_cast<HWND>(lParam) == ControlOf(Control::kText1)) {
        return reinterpret_cast<LRESULT>(PaintCopyBox(
            reinterpret_cast<HDC>(wParam), copyBackground_, HighContrastWindowColours()));
      }
      break;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == ControlOf(Control::kText1)) {
        if (const std::optional<Command> command =
                ChooseFromCopyBoxMenu(window_, ControlOf(Control::kText1), lParam)) {
          steps_.Run(*command);
        }
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // A plain window forgets its focused control when another window is activated.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusBeforeDeactivation_ = GetFocus();
      } else if (focusBeforeDeactivation_ && IsChild(window_, focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      LayOut(HIWORD(wParam));
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Form1Window::MakeControls() {
  // Made in the order of their tab index, which is then the tab order of the dialog manager.
  for (const ControlLayout& layout : form1::kControls) {
    const wchar_t* windowClass = WC_STATICW;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD extended = 0;
    switch (layout.kind) {
      case ControlKind::kLabel:
        style |= SS_LEFT | SS_NOPREFIX;
        break;
      case ControlKind::kSingleLineBox:
        windowClass = WC_EDITW;
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        extended = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::kMultiLineBox:
        // No wrap: the copy's 74 columns stay as they are. Read-only, so that "Tulosta" prints
        // the copy as fetched; a vertical bar when it is longer than the box.
        windowClass = WC_EDITW;
        style |=
            WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
        extended = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::kButton:
        windowClass = WC_BUTTONW;
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
    }
    HWND control = CreateWindowExW(
        extended, windowClass, WideFromUtf8(layout.text).c_str(), style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(layout.control))),
        GetModuleHandleW(nullptr), nullptr);
    controls_[static_cast<std::size_t>(layout.control)] = control;
  }
  SendMessageW(ControlOf(Control::kText2), EM_SETLIMITTEXT, form1::kLongestEntry, 0);
  SetWindowSubclass(ControlOf(Control::kText2), VoucherBoxProc, 0, 0);
  SetWindowSubclass(ControlOf(Control::kText1), CopyBoxProc, 0, 0);
  AddVoucherBoxTip();
}

void Form1Window::AddVoucherBoxTip() {
  HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  // Wide enough for the longest line; the text's line breaks then start its lines.
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 600);
  voucherBoxTip_ = WideFromUtf8(kVoucherBoxTip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(ControlOf(Control::kText2));
  tool.lpszText = voucherBoxTip_.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form1Window::LayOut(UINT dpi) {
  // The classic Courier's 74 columns fill the copy box's width: the vertical bar of a longer
  // copy gets a width of its own, at the right of the box and the window, so that it hides none
  // of them.
  const int bar = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
  RECT frame{0, 0, TwipsToPixels(form1::kClientWidth, static_cast<int>(dpi)) + bar,
             TwipsToPixels(form1::kClientHeight, static_cast<int>(dpi))};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  DeleteObject(copyFont_);
  DeleteObject(textFont_);
  copyFont_ = MakeCopyBoxFont(form1::kCopyFont, dpi);
  textFont_ = MakeMessageFont(dpi);
  for (const ControlLayout& layout : form1::kControls) {
    HWND control = ControlOf(layout.control);
    const int d = static_cast<int>(dpi);
    const int width = TwipsToPixels(layout.place.width, d) +
                      (layout.kind == ControlKind::kMultiLineBox ? bar : 0);
    SetWindowPos(control, layout.underNeighbours ? HWND_BOTTOM : nullptr,
                 TwipsToPixels(layout.place.left, d), TwipsToPixels(layout.place.top, d), width,
                 TwipsToPixels(layout.place.height, d),
                 SWP_NOACTIVATE | (layout.underNeighbours ? 0 : SWP_NOZORDER));
    const HFONT font = layout.kind == ControlKind::kMultiLineBox ? copyFont_ : textFont_;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  DropCopyBoxMargins(ControlOf(Control::kText1));
  ShowCopyScrollBar();
}

void Form1Window::CommandMessage(int id) {
  if (id == IDOK) {
    // Enter that the dialog manager hands over presses the focused button; there is no default.
    const HWND focus = GetFocus();
    if (focus && GetParent(focus) == window_) {
      id = GetDlgCtrlID(focus);
    }
  }
  for (const ControlLayout& layout : form1::kControls) {
    if (ControlId(layout.control) != id) {
      continue;
    }
    if (const std::optional<Command> command = CommandOfButton(layout.control)) {
      steps_.Run(*command);
    }
  }
}

}  // namespace kuitti
