#pragma once

#include <windows.h>

#include <optional>

#include "app/Commands.h"

namespace kuitti {

// The copy box's context menu, made from the shared menu table, at the point of a right click
// or, for the Menu key (`where` -1), at the box's top left: the command chosen, or nothing.
std::optional<Command> ChooseFromCopyBoxMenu(HWND owner, HWND box, LPARAM where);

}  // namespace kuitti
