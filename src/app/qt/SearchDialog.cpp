#include "app/qt/SearchDialog.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <optional>

#include "app/FetchReport.h"
#include "app/SearchDialogLayout.h"
#include "app/SearchFieldRules.h"
#include "app/qt/BusyCursor.h"
#include "app/qt/DayEdit.h"
#include "app/qt/KeyChords.h"
#include "app/qt/MessageBoxes.h"
#include "app/qt/QtText.h"
#include "platform/PlatformSettings.h"

namespace kuitti {
namespace {

using namespace search_dialog;

DayEdit* MakeDayEdit(QWidget* parent, const char* name) {
  auto* edit = new DayEdit(QDate::currentDate(), parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

// Every change of a field's text passes here: one that the field's rule refuses is undone, and
// one that it keeps otherwise (a pasted "M104233-001" as 104233) is replaced by what it keeps.
class FieldValidator final : public QValidator {
 public:
  FieldValidator(SearchField field, QObject* parent) : QValidator(parent), field_(field) {}

  State validate(QString& input, int& cursor) const override {
    const std::optional<std::string> kept = KeptText(field_, input.toStdString());
    if (!kept) {
      return Invalid;
    }
    if (const QString keptText = QString::fromStdString(*kept); keptText != input) {
      input = keptText;
      cursor = static_cast<int>(input.size());
    }
    return Acceptable;
  }

 private:
  SearchField field_;
};

QLineEdit* MakeField(QWidget* parent, const char* name, SearchField kind,
                     std::optional<std::size_t> maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setValidator(new FieldValidator(kind, field));
  if (maxLength) {
    field->setMaxLength(static_cast<int>(*maxLength));
  }
  return field;
}

Qt::Alignment AlignmentOf(const Column& column) {
  return (column.alignment == Alignment::kRight ? Qt::AlignRight : Qt::AlignLeft) |
         Qt::AlignVCenter;
}

}  // namespace

SearchDialog::SearchDialog(QWidget* parent, const QString& dataPath, MessageBoxes& messages,
                           SearchSteps::Picked picked)
    : QDialog(parent),
      messages_(messages),
      steps_(*this, dataPath.toStdString(), SystemFileSystem(),
             RegionalNumberFormat().decimalSeparator, FetchReport, std::move(picked)) {
  setObjectName(QStringLiteral("SearchDialog"));
  setWindowTitle(QtText(kTitle));
  // The style draws the focus mark only once the keyboard has moved the focus in the window;
  // here every control shows it from the start, the one the dialog opens on too.
  setAttribute(Qt::WA_KeyboardFocusChange);

  // The day range counts only while "Päivä" is ticked; it is, for today, when the dialog opens.
  days_ = new QGroupBox(QtText(kDays), this);
  days_->setObjectName(QStringLiteral("days"));
  days_->setCheckable(true);
  fromDay_ = MakeDayEdit(days_, "fromDay");
  toDay_ = MakeDayEdit(days_, "toDay");
  auto* dayLayout = new QHBoxLayout(days_);
  dayLayout->addWidget(new QLabel(QtText(kFromDay), days_));
  dayLayout->addWidget(fromDay_);
  dayLayout->addSpacing(12);
  dayLayout->addWidget(new QLabel(QtText(kToDay), days_));
  dayLayout->addWidget(toDay_);
  dayLayout->addStretch();
  connect(fromDay_, &QDateEdit::dateChanged, this, [this] { steps_.DayChanged(DayField::kFrom); });
  connect(toDay_, &QDateEdit::dateChanged, this, [this] { steps_.DayChanged(DayField::kTo); });

  total_ = MakeField(this, "total", SearchField::kTotal, std::nullopt);
  total_->setPlaceholderText(QtText(kTotalHint));
  product_ = MakeField(this, "product", SearchField::kProduct, kLongestProductCode);
  number_ = MakeField(this, "number", SearchField::kNumber, std::nullopt);
  number_->setPlaceholderText(QtText(kNumberHint));
  auto* fields = new QFormLayout;
  fields->addRow(QtText(kTotal), total_);
  fields->addRow(QtText(kProduct), product_);
  fields->addRow(QtText(kNumber), number_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* search = buttons->addButton(QtText(kSearch), QDialogButtonBox::ActionRole);
  search->setObjectName(QStringLiteral("search"));
  search->setDefault(true);
  QPushButton* close = buttons->addButton(QtText(kClose), QDialogButtonBox::RejectRole);
  close->setAutoDefault(false);
  connect(search, &QPushButton::clicked, this, [this] { steps_.Search(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  results_ = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
  results_->setObjectName(QStringLiteral("results"));
  QStringList headings;
  for (const Column& column : kColumns) {
    headings.append(QtText(column.heading));
  }
  results_->setHorizontalHeaderLabels(headings);
  QHeaderView* header = results_->horizontalHeader();
  for (int at = 0; at < results_->columnCount(); ++at) {
    const Column& column = kColumns[static_cast<std::size_t>(at)];
    results_->horizontalHeaderItem(at)->setTextAlignment(AlignmentOf(column));
    if (column.width > 0) {
      header->setSectionResizeMode(at, QHeaderView::Fixed);
      header->resizeSection(at, column.width);
    } else {
      header->setSectionResizeMode(at, QHeaderView::Stretch);
    }
  }
  results_->verticalHeader()->hide();
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setSelectionBehavior(QAbstractItemView::SelectRows);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the list, as it leaves every other control, instead of walking its cells.
  results_->setTabKeyNavigation(false);
  results_->installEventFilter(this);
  ShowListFocus(false);
  connect(results_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { steps_.Pick(static_cast<std::size_t>(row)); });

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(days_);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  layout->addWidget(results_, 1);
  layout->addWidget(summary_);
  resize(460, 520);
}

void SearchDialog::OpenOnNewestDay() {
  steps_.Open();
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == results_ &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    ShowListFocus(event->type() == QEvent::FocusIn);
  }
  const int row = results_->currentRow();
  if (watched == results_ && event->type() == QEvent::KeyPress && row >= 0) {
    if (const std::optional<Command> command = CommandOfKey(
            kSearchDialogKeys, KeyChordOf(*static_cast<QKeyEvent*>(event)), KeyFocus::kSearchRow)) {
      steps_.Run(*command, static_cast<std::size_t>(row));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SearchDialog::ShowListFocus(bool focused) {
  // The style's focus frame on a row of the list is faint: the selected row is in the selection
  // colour only while the list has the focus, grey otherwise, as lists commonly show it.
  QPalette colours = palette();
  if (!focused) {
    colours.setColor(QPalette::Highlight, colours.color(QPalette::Midlight));
    colours.setColor(QPalette::HighlightedText, colours.color(QPalette::Text));
  }
  results_->setPalette(colours);
}

bool SearchDialog::DaysTicked() const {
  return days_->isChecked();
}

CalendarDay SearchDialog::Day(DayField field) const {
  const QDate date = DayOf(field)->date();
  return {date.year(), date.month(), date.day()};
}

void SearchDialog::SetDay(DayField field, CalendarDay day) {
  DayOf(field)->setDate(QDate(day.year, day.month, day.day));
}

std::string SearchDialog::Text(SearchField field) const {
  return FieldOf(field)->text().toStdString();
}

void SearchDialog::Focus(SearchField field) {
  FieldOf(field)->setFocus();
  FieldOf(field)->selectAll();
}

void SearchDialog::ShowRows(const std::vector<SearchRow>& rows) {
  results_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < results_->rowCount(); ++row) {
    const SearchRow& shown = rows[static_cast<std::size_t>(row)];
    for (int at = 0; at < results_->columnCount(); ++at) {
      const auto column = static_cast<std::size_t>(at);
      auto* cell = new QTableWidgetItem(QString::fromStdString(shown.cells[column]));
      cell->setTextAlignment(AlignmentOf(kColumns[column]));
      results_->setItem(row, at, cell);
    }
  }
  if (!rows.empty()) {
    results_->setCurrentCell(0, 0);
    results_->setFocus();
  }
}

void SearchDialog::SelectRow(std::size_t row) {
  results_->setCurrentCell(static_cast<int>(row), 0);
  results_->scrollToItem(results_->currentItem());
  results_->setFocus();
}

void SearchDialog::SetSummary(std::string_view text) {
  summary_->setText(QtText(text));
}

void SearchDialog::ShowMessage(std::string_view text) {
  messages_.Show(QtText(text));
}

void SearchDialog::SetBusy(bool busy) {
  SetBusyCursor(busy);
}

void SearchDialog::Close() {
  accept();
}

QLineEdit* SearchDialog::FieldOf(SearchField field) const {
  switch (field) {
    case SearchField::kTotal:
      return total_;
    case SearchField::kProduct:
      return product_;
    case SearchField::kNumber:
      return number_;
  }
  return nullptr;
}

DayEdit* SearchDialog::DayOf(DayField field) const {
  return field == DayField::kFrom ? fromDay_ : toDay_;
}

}  // namespace kuitti
