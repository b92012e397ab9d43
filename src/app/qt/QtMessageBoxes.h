#pragma once

#include <memory>

#include "app/qt/MessageBoxes.h"

class QMessageBox;
class QWidget;

namespace kuitti {

// A message box with one OK button, the window's caption as its title, and wide enough for
// that title however short the text.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, QWidget* owner);

// Message boxes on screen, owned by the active window.
class QtMessageBoxes final : public MessageBoxes {
 public:
  void Show(const QString& text) override;
};

}  // namespace kuitti
