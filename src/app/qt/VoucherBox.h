#pragma once

#include <QLineEdit>

namespace kuitti {

// Text2: the number part of the voucher, held to one line as SingleLineText says. Enter
// announces itself before the box handles it.
class VoucherBox final : public QLineEdit {
  Q_OBJECT

 public:
  explicit VoucherBox(QWidget* parent);

 signals:
  void enterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kuitti
