#include "app/win32/Form1Window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/win32/CopyBoxPaint.h"
#include "app/win32/WindowText.h"
#include "platform/PlatformSettings.h"
#include "support/DataFiles.h"
#include "support/FakePrinter.h"
#include "support/Fetch.h"

namespace kuitti {
namespace {

using test::DataDirectory;
using test::Row;

constexpr char kVoucher[] = "123456";

// One voucher of one product row and its total, in a folder of the test's own.
class Form1WindowTest : public testing::Test {
 protected:
  Form1WindowTest() {
    data_.WriteAll({{"6410000000011", "Maito 1l"}},
                   {Row{.voucher = kVoucher,
                        .productCode = "6410000000011",
                        .priceRaw = 12500,
                        .quantityRaw = 10000,
                        .vatRate = 14},
                    Row{.voucher = kVoucher, .saleTime = 45000.5, .priceRaw = 12500}});
    // The quit message that an earlier test's window posted when it was destroyed.
    PumpMessages();
    form_.Show(SW_SHOWNORMAL);
  }

  std::string ExpectedCopy() const {
    Module1 module;
    return test::FetchFrom(data_, kVoucher, module, RegionalNumberFormat().decimalSeparator)
        .value_or("");
  }

  // A key as the message loop hands it over: the window's keys first, as in the program.
  void Press(HWND target, WPARAM key) {
    MSG message{target, WM_KEYDOWN, key, 0, 0, {}};
    if (!form_.TranslateKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    PumpMessages();
  }

  static void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  HWND Of(Control control) const { return form_.ControlOf(control); }

  DataDirectory data_;
  test::PrinterScript script_;
  test::FakePrinter printer_{script_};
  Form1Window form_{printer_, data_.DataPath()};
};

TEST_F(Form1WindowTest, ControlsStandAtTheirTwipsAt96Dpi) {
  ASSERT_EQ(GetDpiForWindow(form_.Handle()), 96u) << "the test display is not at 96 DPI";
  // The copy box and the window are wider by a scroll bar, which then hides no column.
  const int bar = GetSystemMetricsForDpi(SM_CXVSCROLL, 96);
  RECT client{};
  GetClientRect(form_.Handle(), &client);
  EXPECT_EQ(client.right, 602 + bar);
  EXPECT_EQ(client.bottom, 545);
  EXPECT_EQ(WindowTextOf(form_.Handle()), "Korvex - Tarjolux");
  for (const ControlLayout& layout : form1::kControls) {
    RECT place{};
    GetWindowRect(Of(layout.control), &place);
    MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, layout.place.left / 15) << layout.name;
    EXPECT_EQ(place.top, layout.place.top / 15) << layout.name;
    EXPECT_EQ(place.right - place.left,
              layout.place.width / 15 + (layout.control == Control::kText1 ? bar : 0))
        << layout.name;
    EXPECT_EQ(place.bottom - place.top, layout.place.height / 15) << layout.name;
    EXPECT_EQ(WindowTextOf(Of(layout.control)), layout.text) << layout.name;
  }
}

TEST_F(Form1WindowTest, TheCopyBoxShowsAtLeast36LinesInItsFixedPitchFont) {
  HWND copy = Of(Control::kText1);
  HDC dc = GetDC(copy);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(copy, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  wchar_t face[LF_FACESIZE]{};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  ReleaseDC(copy, dc);

  RECT text{};
  SendMessageW(copy, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_EQ(std::wstring(face), L"Courier");
  // The flag is set for a variable pitch.
  EXPECT_FALSE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH);
  EXPECT_EQ(metrics.tmHeight, 13);
  EXPECT_GE((text.bottom - text.top) / metrics.tmHeight, 36);
  // 74 columns beside the bar of a longer copy.
  EXPECT_GE(text.right - text.left - GetSystemMetricsForDpi(SM_CXVSCROLL, 96),
            74 * metrics.tmAveCharWidth);
  // No bars while the copy fits.
  const LONG style = GetWindowLongW(copy, GWL_STYLE);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
}

// The colours the copy box asks for when it is drawn: black on grey, whatever the system
// colours; under a high-contrast theme (wine cannot turn one on, so the theme's colours are
// handed over as Windows would give them), the theme's window text on its window colour.
TEST_F(Form1WindowTest, TheCopyBoxAsksForBlackOnGreyOrTheHighContrastWindowColours) {
  const std::array<int, 2> elements{COLOR_WINDOW, COLOR_WINDOWTEXT};
  const std::array<COLORREF, 2> before{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
  const std::array<COLORREF, 2> highContrast{RGB(0, 0, 0), RGB(255, 255, 255)};
  ASSERT_TRUE(SetSysColors(2, elements.data(), highContrast.data()));

  struct Asked {
    COLORREF text;
    COLORREF background;
    COLORREF brush;
  };
  const auto ask = [](const std::function<HBRUSH(HDC)>& paint) {
    const HDC dc = CreateCompatibleDC(nullptr);
    // Colours that neither the box nor the theme would ask for, so that none stays unset.
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const HBRUSH brush = paint(dc);
    LOGBRUSH logical{};
    GetObjectW(brush, sizeof logical, &logical);
    const Asked asked{GetTextColor(dc), GetBkColor(dc), logical.lbColor};
    DeleteDC(dc);
    return asked;
  };
  const COLORREF grey = RGB(224, 224, 224);
  const HBRUSH greyBrush = CreateSolidBrush(grey);
  struct Case {
    const char* what;
    std::function<HBRUSH(HDC)> paint;
    Asked expected;
  };
  const std::vector<Case> cases = {
      {"the window, the dark system colours not being a high-contrast theme",
       [&](HDC dc) {
         return reinterpret_cast<HBRUSH>(
             SendMessageW(form_.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(Of(Control::kText1))));
       },
       {RGB(0, 0, 0), grey, grey}},
      {"read-only",
       [&](HDC dc) {
         return reinterpret_cast<HBRUSH>(
             SendMessageW(form_.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(Of(Control::kText1))));
       },
       {RGB(0, 0, 0), grey, grey}},
      {"a high-contrast theme",
       [&](HDC dc) {
         return PaintCopyBox(dc, greyBrush, CopyBoxColours{{255, 255, 255}, {0, 0, 0}});
       },
       {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0)}},
  };
  for (const Case& c : cases) {
    const Asked asked = ask(c.paint);
    EXPECT_EQ(asked.text, c.expected.text) << c.what;
    EXPECT_EQ(asked.background, c.expected.background) << c.what;
    EXPECT_EQ(asked.brush, c.expected.brush) << c.what;
  }
  DeleteObject(greyBrush);
  SetSysColors(2, elements.data(), before.data());
}

// Moved to a monitor of another DPI, the copy box gets a fixed-pitch font of 9.75 points at
// that DPI whose 74 columns fit its new width; back at 96 DPI, the screen "Courier" again.
TEST_F(Form1WindowTest, TheCopyBoxFontFollowsTheDpi) {
  const HWND copy = Of(Control::kText1);
  for (const UINT dpi : {144u, 120u, 96u}) {
    RECT suggested{};
    GetWindowRect(form_.Handle(), &suggested);
    SendMessageW(form_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const HDC dc = GetDC(copy);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(copy, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(dc, LF_FACESIZE, face);
    const std::wstring line(74, L'-');
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(copy, dc);
    RECT text{};
    SendMessageW(copy, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));

    const int pixels = static_cast<int>(std::lround(9.75 * dpi / 72));
    EXPECT_FALSE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) << dpi;
    EXPECT_LE(std::abs(metrics.tmHeight - metrics.tmInternalLeading - pixels), 1) << dpi;
    EXPECT_LE(extent.cx, text.right - text.left) << dpi;
    EXPECT_GE(extent.cx * 10, (text.right - text.left) * 9) << dpi;
    if (dpi == 96) {
      EXPECT_EQ(std::wstring(face), L"Courier");
    }
  }
}

TEST_F(Form1WindowTest, TabGoesThroughTheControlsInTheTablesOrder) {
  ASSERT_EQ(GetFocus(), Of(Control::kText2)) << "the focus at start";
  std::vector<HWND> order;
  for (const ControlLayout& layout : form1::kControls) {
    if (layout.kind != ControlKind::kLabel) {
      order.push_back(Of(layout.control));
    }
  }
  const auto start = std::find(order.begin(), order.end(), Of(Control::kText2));
  std::rotate(order.begin(), start, order.end());
  for (std::size_t step = 1; step <= order.size(); ++step) {
    Press(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), order[step % order.size()]) << "after " << step << " Tab presses";
  }
  EXPECT_EQ(WindowTextOf(Of(Control::kText1)), "") << "a Tab was typed into the copy";
}

TEST_F(Form1WindowTest, EnterInTheVoucherBoxPutsTheCopyInTheCopyBox) {
  SetWindowTextTo(Of(Control::kText2), "123456");
  Press(Of(Control::kText2), VK_RETURN);
  EXPECT_EQ(WindowTextOf(Of(Control::kText1)), ExpectedCopy());
  EXPECT_EQ(GetFocus(), Of(Control::kText2));
  const auto selection = SendMessageW(Of(Control::kText2), EM_GETSEL, 0, 0);
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 6);
  EXPECT_TRUE(IsWindowEnabled(Of(Control::kCommand1)));
  EXPECT_TRUE(IsWindowEnabled(Of(Control::kCommand3)));
}

TEST_F(Form1WindowTest, EnterOnAFocusedButtonPressesItAndNoOtherKeyDoes) {
  SetWindowTextTo(Of(Control::kText2), "123456");
  for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    SetFocus(Of(Control::kCommand1));
    Press(Of(Control::kCommand1), key);
    const bool pressed = !WindowTextOf(Of(Control::kText1)).empty();
    EXPECT_EQ(pressed, key == VK_RETURN) << "key " << key;
  }
}

TEST_F(Form1WindowTest, TheVoucherBoxDropsTypedLineBreaksAndControlCharactersC1AndDelAmongThem) {
  HWND box = Of(Control::kText2);
  SetFocus(box);
  // As WM_CHAR brings them: UTF-16 units, Backspace among them.
  for (const wchar_t typed :
       {L'1', L'\t', L'2', wchar_t{0x01}, wchar_t{0x7F}, wchar_t{0x85}, wchar_t{0x9F}, L'\r',
        wchar_t{0x2028}, L'ä', L'3', L'4', wchar_t{VK_BACK}}) {
    SendMessageW(box, WM_CHAR, typed, 0);
  }
  EXPECT_EQ(WindowTextOf(box), "12ä3");
}

// A message box is modal: a timer reads it, as the user would, and answers it.
struct MessageAnswer {
  static inline HWND owner = nullptr;
  static inline std::string caption;
  static inline std::string text;
  static void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box || GetWindow(box, GW_OWNER) != owner) {
      return;
    }
    KillTimer(nullptr, timer);
    caption = WindowTextOf(box);
    text = WindowTextOf(GetDlgItem(box, 0xFFFF));
    SendMessageW(box, WM_COMMAND, IDOK, 0);
  }
};

TEST_F(Form1WindowTest, TulostaPrintsTheCopyOrReportsTheFailureAndGivesTheCommandsBack) {
  struct Case {
    const char* failAt;
    const char* message;
  };
  const Case cases[] = {
      {"", ""},
      {"EndDocument", "Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa."},
  };
  SetWindowTextTo(Of(Control::kText2), kVoucher);
  Press(Of(Control::kText2), VK_RETURN);
  for (const Case& c : cases) {
    script_ = {};
    script_.failAt = c.failAt;
    bool disabledWhilePrinting = false;
    script_.whilePrinting = [&] {
      disabledWhilePrinting =
          !IsWindowEnabled(Of(Control::kCommand1)) && !IsWindowEnabled(Of(Control::kCommand3));
    };
    MessageAnswer::owner = form_.Handle();
    MessageAnswer::caption.clear();
    MessageAnswer::text.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, MessageAnswer::Run);
    SetFocus(Of(Control::kCommand3));
    Press(Of(Control::kCommand3), VK_RETURN);
    KillTimer(nullptr, timer);

    EXPECT_TRUE(disabledWhilePrinting) << c.failAt;
    EXPECT_NE(std::find(script_.calls.begin(), script_.calls.end(), "Print " + ExpectedCopy()),
              script_.calls.end())
        << c.failAt;
    EXPECT_EQ(MessageAnswer::text, c.message);
    if (*c.message) {
      EXPECT_EQ(MessageAnswer::caption, "Korvex - Tarjolux");
      EXPECT_EQ(script_.calls.back(), "AbortDocument");
    }
    EXPECT_TRUE(IsWindowEnabled(Of(Control::kCommand1))) << c.failAt;
    EXPECT_TRUE(IsWindowEnabled(Of(Control::kCommand3))) << c.failAt;
    EXPECT_EQ(GetFocus(), Of(Control::kText2)) << c.failAt;
  }
}

// The dialog is modal: a timer does what the user would once it is open.
struct SearchScript {
  static inline std::string typed;
  static inline bool opened = false;
  static void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"Kuittikopio.EtsiKuitti", nullptr);
    if (!dialog) {
      return;
    }
    KillTimer(nullptr, timer);
    opened = WindowTextOf(dialog) == "Etsi kuitti";
    // Every day, number only; Enter searches, and Enter again on the first row picks it.
    HWND days = FindWindowExW(dialog, nullptr, WC_BUTTONW, L"Päivä");
    SendMessageW(days, BM_CLICK, 0, 0);
    HWND edit = nullptr;
    for (int field = 0; field < 3; ++field) {
      edit = FindWindowExW(dialog, edit, WC_EDITW, nullptr);
    }
    SetWindowTextTo(edit, typed);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
};

TEST_F(Form1WindowTest, CtrlFAndF3OpenTheSearchWhosePickIsFetched) {
  for (const bool f3 : {false, true}) {
    SetWindowTextTo(Of(Control::kText1), "");
    SearchScript::typed = "123456";
    SearchScript::opened = false;
    SetTimer(nullptr, 0, 50, SearchScript::Run);
    if (f3) {
      Press(Of(Control::kText2), VK_F3);
    } else {
      // Ctrl is read from the keyboard state, as it is for a key the user presses.
      BYTE keys[256]{};
      GetKeyboardState(keys);
      keys[VK_CONTROL] = 0x80;
      SetKeyboardState(keys);
      Press(Of(Control::kText2), 'F');
      keys[VK_CONTROL] = 0;
      SetKeyboardState(keys);
    }
    EXPECT_TRUE(SearchScript::opened) << (f3 ? "F3" : "Ctrl+F");
    EXPECT_EQ(FindWindowW(L"Kuittikopio.EtsiKuitti", nullptr), nullptr);
    EXPECT_EQ(WindowTextOf(Of(Control::kText2)), "123456");
    EXPECT_EQ(WindowTextOf(Of(Control::kText1)), ExpectedCopy());
    EXPECT_TRUE(IsWindowEnabled(form_.Handle()));
  }
}

// Ctrl is read from the keyboard state, as it is for a key the user presses.
void HoldCtrl(bool held) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

TEST_F(Form1WindowTest, CtrlPPrintsTheCopyAsFetchedWhichNoKeyChanges) {
  SetWindowTextTo(Of(Control::kText2), kVoucher);
  Press(Of(Control::kText2), VK_RETURN);
  HWND copy = Of(Control::kText1);
  EXPECT_TRUE(GetWindowLongW(copy, GWL_STYLE) & ES_READONLY);
  SetFocus(copy);
  for (const wchar_t typed : {L'x', L'\r', wchar_t{VK_BACK}}) {
    SendMessageW(copy, WM_CHAR, typed, 0);
  }
  SendMessageW(copy, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(copy, WM_PASTE, 0, 0);
  SendMessageW(copy, WM_CUT, 0, 0);
  EXPECT_EQ(WindowTextOf(copy), ExpectedCopy());
  // Ctrl+A selects the whole copy, for Ctrl+C.
  SendMessageW(copy, EM_SETSEL, 0, 0);
  HoldCtrl(true);
  Press(copy, 'A');
  HoldCtrl(false);
  DWORD start = 1, end = 0;
  SendMessageW(copy, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(copy)));

  for (const Control control : {Control::kText1, Control::kText2, Control::kCommand2}) {
    script_ = {};
    SetFocus(Of(control));
    HoldCtrl(true);
    Press(Of(control), 'P');
    HoldCtrl(false);
    EXPECT_NE(std::find(script_.calls.begin(), script_.calls.end(), "Print " + ExpectedCopy()),
              script_.calls.end())
        << form1::LayoutOf(control).name;
  }
}

TEST_F(Form1WindowTest, ACopyLongerThanTheBoxHasAScrollBarAndStartsAtTheTop) {
  const auto lines = [](int count) {
    std::string text;
    for (int line = 1; line <= count; ++line) {
      text += (line > 1 ? "\r\n" : "") + std::string("rivi ") + std::to_string(line);
    }
    return text;
  };
  HWND copy = Of(Control::kText1);
  const auto barShown = [copy] {
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(copy, OBJID_VSCROLL, &bar);
    return (bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0;
  };
  form_.SetText(Control::kText1, lines(36));
  EXPECT_FALSE(barShown()) << "a copy that fits";
  for (int round = 0; round < 2; ++round) {
    form_.SetText(Control::kText1, lines(61));
    EXPECT_TRUE(barShown()) << round;
    EXPECT_EQ(SendMessageW(copy, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << round;
    SetFocus(copy);
    HoldCtrl(true);
    Press(copy, VK_END);
    HoldCtrl(false);
    EXPECT_GT(SendMessageW(copy, EM_GETFIRSTVISIBLELINE, 0, 0), 20) << round;
  }
  form_.SetText(Control::kText1, lines(3));
  EXPECT_FALSE(barShown());
}

// Reads the open dialog as the user first sees it, then closes it with Escape.
struct OpeningScript {
  static inline int rows = 0;
  static inline int selected = -1;
  static inline bool listFocused = false;
  static inline std::string summary;
  static void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"Kuittikopio.EtsiKuitti", nullptr);
    if (!dialog) {
      return;
    }
    KillTimer(nullptr, timer);
    HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
    rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    selected = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    listFocused = GetFocus() == list;
    HWND label = nullptr;
    while ((label = FindWindowExW(dialog, label, WC_STATICW, nullptr))) {
      summary = WindowTextOf(label);  // the summary is the last label
    }
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
};

TEST_F(Form1WindowTest, TheSearchOpensOnTheNewestDayWithTheNewestReceiptSelected) {
  struct Case {
    const char* what;
    std::vector<Row> rows;
    int shown;
    std::string summary;
  };
  const std::vector<Case> cases = {
      {"two days",
       {Row{.voucher = "000001", .saleTime = 45000.5, .priceRaw = 100},
        Row{.voucher = "000002", .saleTime = 45001.25, .priceRaw = 100},
        Row{.voucher = "000003", .saleTime = 45001.5, .priceRaw = 100}},
       2,
       "Löytyi 2 kuittia."},
      {"no receipt", {}, 0, "Kuitteja ei löytynyt."},
  };
  for (const Case& c : cases) {
    data_.WriteRows(c.rows);
    OpeningScript::summary.clear();
    SetTimer(nullptr, 0, 50, OpeningScript::Run);
    Press(Of(Control::kText2), VK_F3);
    EXPECT_EQ(OpeningScript::rows, c.shown) << c.what;
    EXPECT_EQ(OpeningScript::selected, c.shown - 1) << c.what;
    EXPECT_EQ(OpeningScript::listFocused, c.shown > 0) << c.what;
    EXPECT_EQ(OpeningScript::summary, c.summary) << c.what;
  }
}

// Types into the fields of the open dialog as EN_CHANGE sees it, then closes it with Escape.
struct FieldScript {
  static inline std::vector<std::string> kept;
  static void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"Kuittikopio.EtsiKuitti", nullptr);
    if (!dialog) {
      return;
    }
    KillTimer(nullptr, timer);
    HWND total = FindWindowExW(dialog, nullptr, WC_EDITW, nullptr);
    HWND product = FindWindowExW(dialog, total, WC_EDITW, nullptr);
    HWND number = FindWindowExW(dialog, product, WC_EDITW, nullptr);
    struct Typing {
      HWND field;
      const char* text;
    };
    for (const Typing& typing :
         {Typing{total, "-20,19"}, Typing{total, "-20,19x"}, Typing{total, "20,12345"},
          Typing{product, "ab 7"}, Typing{number, "0103"}, Typing{number, "M0103"},
          Typing{number, "M010399-001"}}) {
      SetWindowTextTo(typing.field, typing.text);
      kept.push_back(WindowTextOf(typing.field));
    }
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
};

TEST_F(Form1WindowTest, TheSearchFieldsKeepToTheirRulesAndOnlyTheirKeysOpenTheSearch) {
  struct Case {
    WPARAM key;
    bool ctrl;
    bool shift;
    bool opens;
  };
  for (const Case& c : {Case{'F', true, false, true}, Case{'F', true, true, false},
                        Case{VK_F3, false, true, false}, Case{'F', false, false, false}}) {
    FieldScript::kept.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, FieldScript::Run);
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = c.shift ? 0x80 : 0;
    SetKeyboardState(keys);
    // From a button: the keys are the window's, wherever the focus is.
    SetFocus(Of(Control::kCommand3));
    Press(Of(Control::kCommand3), c.key);
    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    KillTimer(nullptr, timer);
    const std::vector<std::string> kept = {"-20,19", "-20,19", "-20,19", "ab 7",
                                           "0103",   "0103",   "010399"};
    EXPECT_EQ(FieldScript::kept, c.opens ? kept : std::vector<std::string>())
        << c.key << (c.ctrl ? " Ctrl" : "") << (c.shift ? " Shift" : "");
    EXPECT_EQ(FindWindowW(L"Kuittikopio.EtsiKuitti", nullptr), nullptr);
  }
}

}  // namespace
}  // namespace kuitti
