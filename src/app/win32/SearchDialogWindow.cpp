#include "app/win32/SearchDialogWindow.h"

#include <commctrl.h>

#include "app/FetchReport.h"
#include "app/SearchDialogLayout.h"
#include "app/SearchFieldRules.h"
#include "app/win32/ControlFonts.h"
#include "app/win32/WindowText.h"
#include "platform/PlatformSettings.h"
#include "platform/win32/WideText.h"

namespace kuitti {

namespace {

using namespace search_dialog;

constexpr wchar_t kWindowClass[] = L"Kuittikopio.EtsiKuitti";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// The places in pixels at 96 DPI, scaled to the window's.
constexpr int kClientWidth = 520;
constexpr int kClientHeight = 432;
constexpr int kFieldLeft = 110;

enum Id : int {
  kDaysId = 200,
  kFromId,
  kToId,
  kTotalId,
  kProductId,
  kNumberId,
  kListId,
  kSummaryId,
};

}  // namespace

SearchDialogWindow::SearchDialogWindow(HWND owner, const std::string& dataPath,
                                       SearchSteps::Picked picked)
    : owner_(owner),
      steps_(*this, dataPath, SystemFileSystem(), RegionalNumberFormat().decimalSeparator,
             FetchReport, std::move(picked)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure<SearchDialogWindow>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  dpi_ = GetDpiForWindow(owner_);
  RECT frame{0, 0, MulDiv(kClientWidth, static_cast<int>(dpi_), 96),
             MulDiv(kClientHeight, static_cast<int>(dpi_), 96)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME, dpi_);
  RECT ownerPlace{};
  GetWindowRect(owner_, &ownerPlace);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  dialog_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kWindowClass, WideFromUtf8(kTitle).c_str(), kStyle,
                            ownerPlace.left + (ownerPlace.right - ownerPlace.left - width) / 2,
                            ownerPlace.top + (ownerPlace.bottom - ownerPlace.top - height) / 2,
                            width, height, owner_, nullptr, instance, this);
  font_ = MakeMessageFont(dpi_);
  MakeControls();
}

SearchDialogWindow::~SearchDialogWindow() {
  if (dialog_) {
    EnableWindow(owner_, TRUE);
    DestroyWindow(dialog_);
  }
  DeleteObject(font_);
}

void SearchDialogWindow::Run() {
  EnableWindow(owner_, FALSE);
  ShowWindow(dialog_, SW_SHOW);
  // Whichever control has the focus shows it, also before the first key is pressed.
  SendMessageW(dialog_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL),
               0);
  SetFocus(days_);
  steps_.Open();
  MSG message;
  while (!done_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the main loop must see it too.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!dialog_ || !IsDialogMessageW(dialog_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

bool SearchDialogWindow::DaysTicked() const {
  return SendMessageW(days_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

CalendarDay SearchDialogWindow::Day(DayField field) const {
  SYSTEMTIME day{};
  SendMessageW(dayPickers_[static_cast<std::size_t>(field)], DTM_GETSYSTEMTIME, 0,
               reinterpret_cast<LPARAM>(&day));
  return {day.wYear, day.wMonth, day.wDay};
}

void SearchDialogWindow::SetDay(DayField field, CalendarDay day) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(day.year);
  time.wMonth = static_cast<WORD>(day.month);
  time.wDay = static_cast<WORD>(day.day);
  SendMessageW(dayPickers_[static_cast<std::size_t>(field)], DTM_SETSYSTEMTIME, GDT_VALID,
               reinterpret_cast<LPARAM>(&time));
}

std::string SearchDialogWindow::Text(SearchField field) const {
  return WindowTextOf(fields_[static_cast<std::size_t>(field)]);
}

void SearchDialogWindow::Focus(SearchField field) {
  HWND box = fields_[static_cast<std::size_t>(field)];
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
}

void SearchDialogWindow::ShowRows(const std::vector<SearchRow>& rows) {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
      std::wstring cell = WideFromUtf8(rows[row].cells[column]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.iSubItem = static_cast<int>(column);
      item.pszText = cell.data();
      SendMessageW(list_, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
  if (!rows.empty()) {
    LVITEMW current{};
    current.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    current.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&current));
    SetFocus(list_);
  }
}

void SearchDialogWindow::SelectRow(std::size_t row) {
  const auto index = static_cast<WPARAM>(row);
  LVITEMW current{};
  current.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  current.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&current));
  SendMessageW(list_, LVM_ENSUREVISIBLE, index, FALSE);
  SetFocus(list_);
}

void SearchDialogWindow::SetSummary(std::string_view text) {
  SetWindowTextTo(summary_, text);
}

void SearchDialogWindow::ShowMessage(std::string_view text) {
  ShowMessageBox(dialog_, text);
}

void SearchDialogWindow::SetBusy(bool busy) {
  SetBusyCursor(busy);
}

void SearchDialogWindow::Close() {
  done_ = true;
  // Form1 is enabled again first, so that it takes the activation and owns what follows.
  EnableWindow(owner_, TRUE);
  DestroyWindow(dialog_);
}

LRESULT SearchDialogWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      dialog_ = window;
      break;
    case WM_COMMAND:
      CommandMessage(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kListId && header->code == NM_DBLCLK) {
        const int row = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
        if (row >= 0) {
          steps_.Pick(static_cast<std::size_t>(row));
        }
      } else if (header->code == DTN_DATETIMECHANGE &&
                 (header->idFrom == kFromId || header->idFrom == kToId)) {
        steps_.DayChanged(header->idFrom == kFromId ? DayField::kFrom : DayField::kTo);
      }
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_NCDESTROY:
      dialog_ = nullptr;
      done_ = true;
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND SearchDialogWindow::Make(const wchar_t* windowClass, std::string_view text, DWORD style,
                              int id, const RECT& place, DWORD extended) {
  const int dpi = static_cast<int>(dpi_);
  HWND control = CreateWindowExW(
      extended, windowClass, WideFromUtf8(text).c_str(), WS_CHILD | WS_VISIBLE | style,
      MulDiv(place.left, dpi, 96), MulDiv(place.top, dpi, 96), MulDiv(place.right, dpi, 96),
      MulDiv(place.bottom, dpi, 96), dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

void SearchDialogWindow::MakeControls() {
  // In the order of the keyboard: the days, the fields, the list, the buttons. Places are
  // left, top, width and height.
  days_ = Make(WC_BUTTONW, kDays, WS_TABSTOP | BS_AUTOCHECKBOX, kDaysId, {12, 12, 80, 22});
  SendMessageW(days_, BM_SETCHECK, BST_CHECKED, 0);
  Make(WC_STATICW, kFromDay, SS_LEFT, 0, {kFieldLeft, 16, 50, 20});
  dayPickers_[0] = Make(DATETIMEPICK_CLASSW, "", WS_TABSTOP | DTS_SHORTDATEFORMAT, kFromId,
                        {kFieldLeft + 50, 12, 100, 22});
  Make(WC_STATICW, kToDay, SS_LEFT, 0, {kFieldLeft + 162, 16, 34, 20});
  dayPickers_[1] = Make(DATETIMEPICK_CLASSW, "", WS_TABSTOP | DTS_SHORTDATEFORMAT, kToId,
                        {kFieldLeft + 196, 12, 100, 22});

  const std::array<std::string_view, 3> labels{kTotal, kProduct, kNumber};
  const std::array<std::string_view, 3> hints{kTotalHint, "", kNumberHint};
  for (std::size_t field = 0; field < fields_.size(); ++field) {
    const int top = 46 + 30 * static_cast<int>(field);
    Make(WC_STATICW, labels[field], SS_LEFT, 0, {12, top + 3, 96, 20});
    fields_[field] =
        Make(WC_EDITW, "", WS_TABSTOP | ES_AUTOHSCROLL, kTotalId + static_cast<int>(field),
             {kFieldLeft, top, 160, 22}, WS_EX_CLIENTEDGE);
    if (!hints[field].empty()) {
      SendMessageW(fields_[field], EM_SETCUEBANNER, TRUE,
                   reinterpret_cast<LPARAM>(WideFromUtf8(hints[field]).c_str()));
    }
  }
  SendMessageW(fields_[static_cast<std::size_t>(SearchField::kProduct)], EM_SETLIMITTEXT,
               kLongestProductCode, 0);

  list_ = Make(WC_LISTVIEWW, "", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
               kListId, {12, 140, 496, 252}, WS_EX_CLIENTEDGE);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  const int dpi = static_cast<int>(dpi_);
  RECT inside{};
  GetClientRect(list_, &inside);
  int rest = inside.right - GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
  for (std::size_t column = 0; column < kColumns.size(); ++column) {
    std::wstring heading = WideFromUtf8(kColumns[column].heading);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    item.fmt = kColumns[column].alignment == Alignment::kRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
    item.cx = kColumns[column].width > 0 ? MulDiv(kColumns[column].width, dpi, 96) : rest;
    rest -= item.cx;
    item.pszText = heading.data();
    SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&item));
  }
  summary_ = Make(WC_STATICW, "", SS_LEFT | SS_NOPREFIX, kSummaryId, {12, 400, 496, 20});

  Make(WC_BUTTONW, kSearch, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, {420, 12, 88, 26});
  Make(WC_BUTTONW, kClose, WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, {420, 44, 88, 26});
}

void SearchDialogWindow::CommandMessage(int id, int notification) {
  switch (id) {
    case IDOK:
      Enter();
      return;
    case IDCANCEL:
      Close();
      return;
    case kDaysId:
      for (HWND picker : dayPickers_) {
        EnableWindow(picker, DaysTicked());
      }
      return;
    case kTotalId:
    case kProductId:
    case kNumberId:
      if (notification == EN_CHANGE) {
        KeepToRule(static_cast<SearchField>(id - kTotalId));
      }
      return;
  }
}

void SearchDialogWindow::Enter() {
  const auto row = GetFocus() == list_ ? SendMessageW(list_, LVM_GETNEXTITEM,
                                                      static_cast<WPARAM>(-1), LVNI_SELECTED)
                                       : -1;
  // The dialog manager hands over Enter alone, whatever modifiers were held.
  constexpr KeyChord kEnter{Key::kEnter, kNoModifier};
  if (row >= 0) {
    if (const std::optional<Command> command =
            CommandOfKey(kSearchDialogKeys, kEnter, KeyFocus::kSearchRow)) {
      steps_.Run(*command, static_cast<std::size_t>(row));
      return;
    }
  }
  steps_.Search();
}

void SearchDialogWindow::KeepToRule(SearchField field) {
  const auto index = static_cast<std::size_t>(field);
  const std::string text = Text(field);
  const std::optional<std::string> kept = KeptText(field, text);
  if (kept) {
    acceptedTexts_[index] = *kept;
    if (*kept == text) {
      return;
    }
  }
  // Setting the text notifies a change again, which then stands.
  SetWindowTextTo(fields_[index], acceptedTexts_[index]);
  const auto end = static_cast<LPARAM>(acceptedTexts_[index].size());
  SendMessageW(fields_[index], EM_SETSEL, static_cast<WPARAM>(end), end);
}

}  // namespace kuitti
