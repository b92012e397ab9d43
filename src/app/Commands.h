#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "Form1Layout.h"
#include "KeyChord.h"

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
};

struct CommandEntry {
  Command command;
  std::string_view text;          // as its button (or a menu entry) shows it, UTF-8
  std::optional<Control> button;  // Form1's button that gives it
};

// Every command, in the order of the enum.
inline constexpr std::array<CommandEntry, 5> kCommands = {{
    {Command::kFetch, "Hae", Control::kCommand1},
    {Command::kPrint, "Tulosta", Control::kCommand3},
    {Command::kQuit, "Sulje", Control::kCommand2},
    {Command::kOpenSearch, "Etsi kuitti", std::nullopt},
    {Command::kPick, "", std::nullopt},
}};

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
inline constexpr std::array<KeyBinding, 3> kForm1Keys = {{
    {{LetterKey('F'), kCtrl}, KeyFocus::kAnywhere, Command::kOpenSearch},
    {{FunctionKey(3), kNoModifier}, KeyFocus::kAnywhere, Command::kOpenSearch},
    {{Key::kEnter, kNoModifier}, KeyFocus::kVoucherBox, Command::kFetch},
}};

// The keys of "Etsi kuitti" beyond its dialog's own (Enter elsewhere presses "Etsi", Escape
// closes it).
inline constexpr std::array<KeyBinding, 1> kSearchDialogKeys = {{
    {{Key::kEnter, kNoModifier}, KeyFocus::kSearchRow, Command::kPick},
}};

// The command of a key pressed with the focus where it is, or none: the key then does what the
// control does with it.
std::optional<Command> CommandOfKey(std::span<const KeyBinding> keys, KeyChord chord,
                                    KeyFocus focus);

}  // namespace kuitti
