#pragma once

#include <QString>

namespace kuitti {

// The caption of the main window, also the title of every message box.
inline QString WindowCaption() {
  return QStringLiteral("Korvex - Tarjolux");
}

}  // namespace kuitti
