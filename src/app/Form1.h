#pragma once

#include <QWidget>
#include <memory>

#include "Module1.h"
#include "ReceiptPrinting.h"

class QLabel;
class QPushButton;

namespace kuitti {

class CopyTextBox;
class MessageBoxes;
class VoucherBox;

// The program's one window: the voucher number box, the receipt copy and the three commands.
// It owns all state of the run.
class Form1 final : public QWidget, private PrintView {
  Q_OBJECT

 public:
  Form1(MessageBoxes& messages, std::unique_ptr<Printer> printer);
  ~Form1() override;

  void SetDataPath(const QString& dataPath);

  // Fetches the copy of the voucher in Text2 into Text1. An error is reported and leaves an
  // empty Text1 and both commands enabled, so the user can fix the cause and fetch again.
  void HaeKuitti();

  // The text of Text1, lines ending with CR LF.
  QString CopyText() const override;

 private:
  void SetPrintCommandEnabled(bool enabled) override;
  void SetFetchCommandEnabled(bool enabled) override;
  void ShowMessage(const QString& message) override;

  void Command3_Click();

  Module1 module_;
  MessageBoxes& messages_;
  std::unique_ptr<Printer> printer_;

  QLabel* Label1;
  QLabel* Label2;
  VoucherBox* Text2;
  QLabel* Label3;
  QPushButton* Command1;
  QPushButton* Command3;
  QPushButton* Command2;
  CopyTextBox* Text1;
  QLabel* Label4;
  QLabel* Label5;
};

}  // namespace kuitti
