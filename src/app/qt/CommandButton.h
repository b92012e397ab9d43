#pragma once

#include <QPushButton>

namespace kuitti {

// A push button that Enter and keypad Enter press when it has the focus, as Space does, while
// it is never a default button: Enter elsewhere in the window presses none.
class CommandButton final : public QPushButton {
 public:
  CommandButton(const QString& text, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kuitti
