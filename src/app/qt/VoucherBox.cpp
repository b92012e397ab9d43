#include "app/qt/VoucherBox.h"

#include <QValidator>

#include "app/EntryText.h"

namespace kuitti {

namespace {

QString SingleLine(const QString& text) {
  return QString::fromStdString(SingleLineText(text.toStdString()));
}

// Every change of the text passes here, however it came in: typed, pasted, dropped or set.
// The cursor stands after what was inserted, so a pasted text with line breaks keeps only its
// first line, and the text after the cursor stays.
class SingleLineValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    const QString before = SingleLine(input.left(pos));
    input = before + SingleLine(input.mid(pos));
    pos = static_cast<int>(before.size());
    return Acceptable;
  }
};

}  // namespace

VoucherBox::VoucherBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new SingleLineValidator(this));
}

}  // namespace kuitti
