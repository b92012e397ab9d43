#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "app/Form1Layout.h"
#include "app/KeyChord.h"

namespace kuitti {

// What the user asks of the windows, by a button or a key. Each command runs one step of
// Form1Steps or SearchSteps (Form1Steps::Run, SearchSteps::Run); a toolkit only translates its
// clicks and key events to these.
enum class Command {
  kFetch,       // "Hae": fetches the copy of the number in Text2 (the voucher box)
  kPrint,       // "Tulosta": prints the copy in Text1 (the copy box)
  kQuit,        // "Sulje": ends the program
  kOpenSearch,  // "Etsi kuitti": opens the search dialog
  kPick,        // fetches the receipt of the current row of the search list
  kFirstRow,    // makes the search list's first row the current one
  kLastRow,     // and its last row
  kSaveAsPdf,   // saves the copy in Text1 (the copy box) as a PDF file
  kCopyText,    // copies the copy box's selection, or the whole copy, to the clipboard
};

struct CommandEntry {
  Command command;
  std::string_view text;          // as its button (or a menu entry) shows it, UTF-8
  std::optional<Control> button;  // Form1's button that gives it
};

// Every command, in the order of the enum.
inline constexpr std::array<CommandEntry, 9> kCommands = {{
    {Command::kFetch, "Hae", Control::kCommand1},
    {Command::kPrint, "Tulosta", Control::kCommand3},
    {Command::kQuit, "Sulje", Control::kCommand2},
    {Command::kOpenSearch, "Etsi kuitti", std::nullopt},
    {Command::kPick, "", std::nullopt},
    {Command::kFirstRow, "", std::nullopt},
    {Command::kLastRow, "", std::nullopt},
    {Command::kSaveAsPdf, "Tallenna PDF-tiedostoksi…", std::nullopt},
    {Command::kCopyText, "Kopioi", std::nullopt},
}};

// The title of the save dialog that kSaveAsPdf opens.
inline constexpr std::string_view kSavePdfDialogTitle = "Tallenna PDF-tiedostoksi";

// The copy box's context menu (right click or the Menu key), in its order.
inline constexpr std::array<Command, 3> kCopyBoxMenu = {Command::kSaveAsPdf, Command::kPrint,
                                                        Command::kCopyText};

constexpr std::string_view TextOf(Command command) {
  return kCommands[static_cast<std::size_t>(command)].text;
}

// The command that clicking a Form1 control gives: Command1 ("Hae"), Command2 ("Sulje") or
// Command3 ("Tulosta").
std::optional<Command> CommandOfButton(Control control);

// Where the keyboard focus is, as far as a key's command depends on it. In a binding,
// kAnywhere matches every focus; a toolkit reports kAnywhere for a focus that is none of the
// others.
enum class KeyFocus {
  kAnywhere,
  kVoucherBox,  // Text2
  kSearchRow,   // the search list, with a current row
};

struct KeyBinding {
  KeyChord chord;
  KeyFocus focus;
  Command command;
};

// The keys of Form1. A command more is a row more.
inline constexpr std::array<KeyBinding, 5> kForm1Keys = {{
    {{LetterKey('F'), kCtrl}, KeyFocus::kAnywhere, Command::kOpenSearch},
    {{FunctionKey(3), kNoModifier}, KeyFocus::kAnywhere, Command::kOpenSearch},
    {{Key::kEnter, kNoModifier}, KeyFocus::kVoucherBox, Command::kFetch},
    {{LetterKey('P'), kCtrl}, KeyFocus::kAnywhere, Command::kPrint},
    {{LetterKey('S'), kCtrl}, KeyFocus::kAnywhere, Command::kSaveAsPdf},
}};

// The voucher box's tooltip: where the keys above are told, in one text for every toolkit.
inline constexpr std::string_view kVoucherBoxTip =
    "Kirjoita tositenumero ja paina Enter.\n"
    "Ctrl+F (tai F3): etsi kuitti päivän, summan tai tuotteen mukaan; haku avautuu viimeisimmän "
    "kuitin päivälle.\n"
    "Ctrl+P: tulosta kopio. Ctrl+S: tallenna kopio PDF-tiedostoksi.";

// The keys of "Etsi kuitti" beyond its dialog's own (Enter elsewhere presses "Etsi", Escape
// closes it).
inline constexpr std::array<KeyBinding, 3> kSearchDialogKeys = {{
    {{Key::kEnter, kNoModifier}, KeyFocus::kSearchRow, Command::kPick},
    {{Key::kHome, kNoModifier}, KeyFocus::kSearchRow, Command::kFirstRow},
    {{Key::kEnd, kNoModifier}, KeyFocus::kSearchRow, Command::kLastRow},
}};

// The command of a key pressed with the focus where it is, or none: the key then does what the
// control does with it.
std::optional<Command> CommandOfKey(std::span<const KeyBinding> keys, KeyChord chord,
                                    KeyFocus focus);

}  // namespace kuitti
