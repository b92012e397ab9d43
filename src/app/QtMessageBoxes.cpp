#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "WindowCaption.h"

namespace kuitti {

void QtMessageBoxes::Show(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, WindowCaption(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  // A fetch shows its messages while the busy cursor is up; the box itself takes clicks.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  QApplication::restoreOverrideCursor();
}

}  // namespace kuitti
