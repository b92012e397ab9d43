#pragma once

#include <QWidget>
#include <memory>

#include "Module1.h"
#include "ReceiptPrinting.h"

class QPushButton;

namespace kuitti {

class CopyTextBox;
class MessageBoxes;
class VoucherBox;

// The program's one window: the voucher number box, the receipt copy and the three commands.
// It owns all state of the run. The controls keep the names of the window's layout table as
// object names, where tests and accessibility tools find them.
class Form1 final : public QWidget {
  Q_OBJECT

 public:
  Form1(MessageBoxes& messages, std::unique_ptr<Printer> printer);
  ~Form1() override;

  void SetDataPath(const QString& dataPath);
  const QString& DataPath() const { return dataPath_; }

  // Fetches the copy of the voucher in the voucher box into the copy box. An error is
  // reported and leaves an empty copy box and both commands enabled, so the user can fix the
  // cause and fetch again. The focus ends in the voucher box with its text selected.
  void HaeKuitti();

 private:
  // Prints the copy box's text; a failure is reported and gives both commands back. The focus
  // ends in the voucher box with its text selected, as after a fetch.
  void PrintCopy();
  void SetCommandsEnabled(bool enabled);
  void ReadyForTheNextNumber();

  Module1 module_;
  QString dataPath_;
  MessageBoxes& messages_;
  std::unique_ptr<Printer> printer_;

  VoucherBox* voucherBox_;
  CopyTextBox* copyBox_;
  QPushButton* fetchButton_;
  QPushButton* printButton_;
  QPushButton* closeButton_;
};

}  // namespace kuitti
