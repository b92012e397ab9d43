#pragma once

#include <QLineEdit>

namespace kuitti {

// Text2: the number part of the voucher, on one line: a pasted text keeps its first line only,
// and tabs and other control characters never enter; spaces stay as typed. Enter announces
// itself before the box handles it.
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
