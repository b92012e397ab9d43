#pragma once

#include <QStringList>
#include <optional>

#include "app/qt/MessageBoxes.h"

namespace kuitti::test {

// Keeps the messages instead of showing them, and the cursor shape that was up at the time.
class RecordingMessages final : public MessageBoxes {
 public:
  void Show(const QString& text) override;

  QStringList texts;
  std::optional<Qt::CursorShape> cursorAtLastMessage;
};

}  // namespace kuitti::test
