#pragma once

#include <QDialog>

#include "app/SearchSteps.h"
#include "app/SearchWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kuitti {

class DayEdit;
class MessageBoxes;

// "Etsi kuitti" in Qt: its fields, list and summary, each with an object name for tests, wired
// to the search steps. A receipt picked closes the dialog as accepted and goes to `picked`.
class SearchDialog final : public QDialog, private SearchWindow {
  Q_OBJECT

 public:
  SearchDialog(QWidget* parent, const QString& dataPath, MessageBoxes& messages,
               SearchSteps::Picked picked);

  // Lists the newest receipt's day with that receipt current; called once the dialog is shown.
  void OpenOnNewestDay();

 private:
  // The keys of the list, before the list leaves them to the dialog: with a current row, a key
  // of the dialog's table runs its command (Enter picks the row, Home and End go to the first
  // and last row); the others go on (Enter presses "Etsi", Escape closes). Its focus, shown.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ShowListFocus(bool focused);

  bool DaysTicked() const override;
  CalendarDay Day(DayField field) const override;
  void SetDay(DayField field, CalendarDay day) override;
  std::string Text(SearchField field) const override;
  void Focus(SearchField field) override;
  void ShowRows(const std::vector<SearchRow>& rows) override;
  void SelectRow(std::size_t row) override;
  void SetSummary(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  void SetBusy(bool busy) override;
  void Close() override;

  QLineEdit* FieldOf(SearchField field) const;
  DayEdit* DayOf(DayField field) const;

  MessageBoxes& messages_;
  SearchSteps steps_;

  QGroupBox* days_;
  DayEdit* fromDay_;
  DayEdit* toDay_;
  QLineEdit* total_;
  QLineEdit* product_;
  QLineEdit* number_;
  QTableWidget* results_;
  QLabel* summary_;
};

}  // namespace kuitti
