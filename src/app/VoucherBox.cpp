#include "VoucherBox.h"

#include <QKeyEvent>

namespace kuitti {

void VoucherBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit enterPressed();
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace kuitti
