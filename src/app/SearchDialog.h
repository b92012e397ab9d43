#pragma once

#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kuitti {

class MessageBoxes;

// "Etsi kuitti": finds receipts by day, total, product code or part of the number, and lets
// the user pick one with Enter or a double-click; the dialog is then accepted.
class SearchDialog final : public QDialog {
  Q_OBJECT

 public:
  // Results shown at most, the most recent ones; the dialog tells how many matched.
  static constexpr std::size_t kMaxShown = 1000;

  SearchDialog(QWidget* parent, QString dataPath, MessageBoxes& messages);

  // The six characters of the voucher number picked, once accepted.
  QString ChosenVoucher() const { return chosen_; }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Search();
  void Choose(int row);

  QString dataPath_;
  MessageBoxes& messages_;
  QString chosen_;

  QGroupBox* days_;
  QDateEdit* fromDay_;
  QDateEdit* toDay_;
  QLineEdit* total_;
  QLineEdit* product_;
  QLineEdit* number_;
  QTableWidget* results_;
  QLabel* summary_;
};

}  // namespace kuitti
