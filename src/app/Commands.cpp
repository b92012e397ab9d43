#include "app/Commands.h"

namespace kuitti {

std::optional<Command> CommandOfButton(Control control) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.button == control) {
      return entry.command;
    }
  }
  return std::nullopt;
}

std::optional<Command> CommandOfKey(std::span<const KeyBinding> keys, KeyChord chord,
                                    KeyFocus focus) {
  for (const KeyBinding& binding : keys) {
    if (binding.chord == chord &&
        (binding.focus == KeyFocus::kAnywhere || binding.focus == focus)) {
      return binding.command;
    }
  }
  return std::nullopt;
}

}  // namespace kuitti
