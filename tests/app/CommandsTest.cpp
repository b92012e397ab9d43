// The windows' commands and their keys, the same for every toolkit: which key gives which
// command where the focus is, which button gives which, and the step each command runs.

#include <gtest/gtest.h>

#include <optional>

#include "app/Commands.h"
#include "app/Form1Steps.h"
#include "app/RecordingWindow.h"
#include "app/SearchSteps.h"
#include "support/FakePrinter.h"

namespace kuitti::test {
namespace {

constexpr KeyChord kEnter{Key::kEnter, kNoModifier};
constexpr KeyChord kCtrlF{LetterKey('F'), kCtrl};
constexpr KeyChord kF3{FunctionKey(3), kNoModifier};

TEST(Commands, AKeyGivesItsCommandOnlyWithItsModifiersAndWhereItsFocusIs) {
  struct Case {
    const char* what;
    std::span<const KeyBinding> keys;
    KeyChord chord;
    KeyFocus focus;
    std::optional<Command> command;
  };
  const Case cases[] = {
      {"Ctrl+F in the voucher box", kForm1Keys, kCtrlF, KeyFocus::kVoucherBox,
       Command::kOpenSearch},
      {"Ctrl+F on a button", kForm1Keys, kCtrlF, KeyFocus::kAnywhere, Command::kOpenSearch},
      {"F3", kForm1Keys, kF3, KeyFocus::kAnywhere, Command::kOpenSearch},
      {"F without Ctrl",
       kForm1Keys,
       {LetterKey('F'), kNoModifier},
       KeyFocus::kAnywhere,
       std::nullopt},
      {"Ctrl+Shift+F",
       kForm1Keys,
       {LetterKey('F'), kCtrl | kShift},
       KeyFocus::kAnywhere,
       std::nullopt},
      {"Shift+F3", kForm1Keys, {FunctionKey(3), kShift}, KeyFocus::kAnywhere, std::nullopt},
      {"F2 and F4 beside F3",
       kForm1Keys,
       {FunctionKey(2), kNoModifier},
       KeyFocus::kAnywhere,
       std::nullopt},
      {"Ctrl+F4", kForm1Keys, {FunctionKey(4), kCtrl}, KeyFocus::kAnywhere, std::nullopt},
      {"Enter in the voucher box", kForm1Keys, kEnter, KeyFocus::kVoucherBox, Command::kFetch},
      {"Enter elsewhere in Form1 is the control's", kForm1Keys, kEnter, KeyFocus::kAnywhere,
       std::nullopt},
      {"Ctrl+Enter in the voucher box",
       kForm1Keys,
       {Key::kEnter, kCtrl},
       KeyFocus::kVoucherBox,
       std::nullopt},
      {"Ctrl+P anywhere in Form1",
       kForm1Keys,
       {LetterKey('P'), kCtrl},
       KeyFocus::kVoucherBox,
       Command::kPrint},
      {"P alone is typed",
       kForm1Keys,
       {LetterKey('P'), kNoModifier},
       KeyFocus::kVoucherBox,
       std::nullopt},
      {"Enter on a row of the search list", kSearchDialogKeys, kEnter, KeyFocus::kSearchRow,
       Command::kPick},
      {"Home on a row",
       kSearchDialogKeys,
       {Key::kHome, kNoModifier},
       KeyFocus::kSearchRow,
       Command::kFirstRow},
      {"End on a row",
       kSearchDialogKeys,
       {Key::kEnd, kNoModifier},
       KeyFocus::kSearchRow,
       Command::kLastRow},
      {"End in a field is the field's",
       kSearchDialogKeys,
       {Key::kEnd, kNoModifier},
       KeyFocus::kAnywhere,
       std::nullopt},
      {"Shift+End on a row is the list's",
       kSearchDialogKeys,
       {Key::kEnd, kShift},
       KeyFocus::kSearchRow,
       std::nullopt},
      {"Enter elsewhere in the search is its default button's", kSearchDialogKeys, kEnter,
       KeyFocus::kAnywhere, std::nullopt},
      {"Form1's keys are not the search dialog's", kSearchDialogKeys, kCtrlF, KeyFocus::kAnywhere,
       std::nullopt},
      {"a key no table names",
       kForm1Keys,
       {Key::kNone, kNoModifier},
       KeyFocus::kAnywhere,
       std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandOfKey(c.keys, c.chord, c.focus), c.command) << c.what;
  }
}

TEST(Commands, EachButtonGivesTheCommandItsTextNames) {
  for (std::size_t at = 0; at < kCommands.size(); ++at) {
    EXPECT_EQ(static_cast<std::size_t>(kCommands[at].command), at) << kCommands[at].text;
  }
  struct Case {
    Control control;
    std::optional<Command> command;
  };
  for (const Case& c :
       {Case{Control::kCommand1, Command::kFetch}, Case{Control::kCommand2, Command::kQuit},
        Case{Control::kCommand3, Command::kPrint}, Case{Control::kText2, std::nullopt},
        Case{Control::kLabel2, std::nullopt}}) {
    const ControlLayout& layout = form1::LayoutOf(c.control);
    EXPECT_EQ(CommandOfButton(c.control), c.command) << layout.name;
    if (c.command) {
      EXPECT_EQ(layout.text, TextOf(*c.command)) << layout.name;
    }
  }
}

TEST(Commands, Form1RunsItsCommandsStepsAndLeavesTheSearchsPickAlone) {
  struct Case {
    Command command;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {Command::kFetch,
       {"SetEnabled Command1 0", "SetEnabled Command3 0", "SetBusy 1", "SetBusy 0", "SetText Text1",
        "ShowMessage", "SetEnabled Command1 1", "SetEnabled Command3 1",
        "FocusAndSelectAll Text2"}},
      {Command::kPrint, {"ShowMessage", "FocusAndSelectAll Text2"}},
      {Command::kOpenSearch, {"OpenSearch"}},
      {Command::kQuit, {"Quit"}},
      {Command::kPick, {}},
      {Command::kFirstRow, {}},
      {Command::kLastRow, {}},
      {Command::kSaveAsPdf, {"ShowMessage", "FocusAndSelectAll Text2"}},
      {Command::kCopyText, {"CopyText"}},
  };
  for (const Case& c : cases) {
    RecordingWindow window;
    PrinterScript script;
    FakePrinter printer{script};
    Form1Steps steps(
        window, printer, [](std::string_view, const std::string&) { ADD_FAILURE() << "a PDF"; },
        SystemFileSystem(), NumberFormat{","},
        [](const RuntimeError&, const std::string&) { return std::string(); });
    steps.SetDataPath("/no/such/");
    steps.Run(c.command);
    EXPECT_EQ(window.calls, c.calls) << TextOf(c.command);
    EXPECT_TRUE(script.calls.empty()) << TextOf(c.command);
  }
}

}  // namespace
}  // namespace kuitti::test
