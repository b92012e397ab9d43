#include "app/qt/DayEdit.h"

#include <QKeyEvent>

namespace kuitti {

DayEdit::DayEdit(const QDate& day, QWidget* parent) : QDateEdit(day, parent) {
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  setCalendarPopup(true);
  setKeyboardTracking(false);
}

bool DayEdit::focusNextPrevChild(bool next) {
  // QDateTimeEdit would step through its parts here.
  return QWidget::focusNextPrevChild(next);
}

void DayEdit::keyPressEvent(QKeyEvent* event) {
  if (event->text() == QStringLiteral(".")) {
    // A part typed whole has already moved on by itself.
    if (typedInPart_ && currentSectionIndex() + 1 < sectionCount()) {
      setSelectedSection(sectionAt(currentSectionIndex() + 1));
    }
    typedInPart_ = false;
    event->accept();
    return;
  }
  const int part = currentSectionIndex();
  QDateEdit::keyPressEvent(event);
  const bool digit = event->text().size() == 1 && event->text().front().isDigit();
  typedInPart_ = digit && currentSectionIndex() == part;
}

void DayEdit::focusInEvent(QFocusEvent* event) {
  typedInPart_ = false;
  QDateEdit::focusInEvent(event);
}

void DayEdit::mousePressEvent(QMouseEvent* event) {
  typedInPart_ = false;
  QDateEdit::mousePressEvent(event);
}

}  // namespace kuitti
