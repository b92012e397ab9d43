#include "app/qt/RecordingMessages.h"

#include <QApplication>

namespace kuitti::test {

void RecordingMessages::Show(const QString& text) {
  texts.append(text);
  const QCursor* cursor = QApplication::overrideCursor();
  cursorAtLastMessage =
      cursor ? std::optional<Qt::CursorShape>(cursor->shape()) : std::optional<Qt::CursorShape>();
}

}  // namespace kuitti::test
