#include "app/qt/CommandButton.h"

#include <QKeyEvent>

namespace kuitti {

CommandButton::CommandButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter) {
    QPushButton::keyPressEvent(event);
    return;
  }
  // A held-down Enter presses once: one print, not one per repeat of the key.
  if (!event->isAutoRepeat()) {
    click();
  }
  event->accept();
}

}  // namespace kuitti
