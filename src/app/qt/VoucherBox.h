#pragma once

#include <QLineEdit>

namespace kuitti {

// Text2 (the voucher box): the number part of the voucher, held to one line as SingleLineText
// says. Enter there is Form1's key.
class VoucherBox final : public QLineEdit {
 public:
  explicit VoucherBox(QWidget* parent);
};

}  // namespace kuitti
