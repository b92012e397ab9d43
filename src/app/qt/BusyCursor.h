#pragma once

#include <QApplication>

namespace kuitti {

// The busy cursor over the whole program, or the one it replaced again.
inline void SetBusyCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace kuitti
