#pragma once

#include <QString>

namespace kuitti {

// Modal messages with one OK button, titled with the window's caption. The window reports
// through this so that tests can watch the messages instead of answering dialogs.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const QString& text) = 0;
};

}  // namespace kuitti
