#pragma once

#include <QDateEdit>

namespace kuitti {

// A day field of "Etsi kuitti". Tab and Shift+Tab move on to the next field as in every other
// control, rather than through the day, month and year; those are reached with the arrow keys,
// by typing, or with ".", which ends a part typed short ("1.4.2025") and is passed over after a
// part that was typed whole ("01.04.2025"). The day counts once typed whole, so a half-typed
// year moves no other field.
class DayEdit final : public QDateEdit {
 public:
  DayEdit(const QDate& day, QWidget* parent);

 protected:
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool typedInPart_ = false;  // a digit went into the current part, which is still open
};

}  // namespace kuitti
