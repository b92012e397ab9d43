#include "VoucherBox.h"

#include <QKeyEvent>
#include <QValidator>

namespace kuitti {

namespace {

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\v') ||
         c == QLatin1Char('\f') || c == QChar(0x0085) || c == QChar::LineSeparator ||
         c == QChar::ParagraphSeparator;
}

// The text up to its first line break, without control characters.
QString FirstLine(const QString& text) {
  QString line;
  for (const QChar c : text) {
    if (IsLineBreak(c)) {
      break;
    }
    if (c.category() != QChar::Other_Control) {
      line.append(c);
    }
  }
  return line;
}

// Every change of the text passes here, however it came in: typed, pasted, dropped or set.
// The cursor stands after what was inserted, so a pasted text with line breaks keeps only its
// first line, and the text after the cursor stays.
class SingleLineValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    const QString before = FirstLine(input.left(pos));
    input = before + FirstLine(input.mid(pos));
    pos = static_cast<int>(before.size());
    return Acceptable;
  }
};

}  // namespace

VoucherBox::VoucherBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new SingleLineValidator(this));
}

void VoucherBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit enterPressed();
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace kuitti
