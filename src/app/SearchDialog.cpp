#include "SearchDialog.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "BusyCursor.h"
#include "DateTimeText.h"
#include "DayEdit.h"
#include "FetchErrorReport.h"
#include "MessageBoxes.h"
#include "PlatformSettings.h"
#include "ReceiptSearch.h"
#include "RuntimeError.h"
#include "SearchTerms.h"

namespace kuitti {
namespace {

enum Column { kVoucherColumn, kDayColumn, kTimeColumn, kTotalColumn };

QDateEdit* MakeDayEdit(QWidget* parent, const char* name) {
  auto* edit = new DayEdit(QDate::currentDate(), parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

QLineEdit* MakeField(QWidget* parent, const char* name, const QString& pattern,
                     std::optional<int> maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  if (!pattern.isEmpty()) {
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
  }
  if (maxLength) {
    field->setMaxLength(*maxLength);
  }
  return field;
}

std::optional<std::int32_t> DayNumber(const QDate& date) {
  return DayNumberOf(date.year(), date.month(), date.day());
}

// A count with its thousands apart, as Finnish text writes it: "1 000".
QString Count(std::int64_t count) {
  QString digits = QString::number(count);
  for (auto at = digits.size() - 3; at > 0; at -= 3) {
    digits.insert(at, QChar(0x00A0));
  }
  return digits;
}

QString Summary(std::size_t shown, std::int64_t matched) {
  if (matched == 0) {
    return QStringLiteral("Kuitteja ei löytynyt.");
  }
  if (static_cast<std::int64_t>(shown) < matched) {
    return QStringLiteral("Löytyi %1 kuittia; näytetään %2 viimeisintä.")
        .arg(Count(matched), Count(static_cast<std::int64_t>(shown)));
  }
  return matched == 1 ? QStringLiteral("Löytyi 1 kuitti.")
                      : QStringLiteral("Löytyi %1 kuittia.").arg(Count(matched));
}

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  return item;
}

}  // namespace

SearchDialog::SearchDialog(QWidget* parent, QString dataPath, MessageBoxes& messages)
    : QDialog(parent), dataPath_(std::move(dataPath)), messages_(messages) {
  setObjectName(QStringLiteral("SearchDialog"));
  setWindowTitle(QStringLiteral("Etsi kuitti"));

  // The day range counts only while "Päivä" is ticked; it is, for today, when the dialog opens.
  days_ = new QGroupBox(QStringLiteral("Päivä"), this);
  days_->setObjectName(QStringLiteral("days"));
  days_->setCheckable(true);
  fromDay_ = MakeDayEdit(days_, "fromDay");
  toDay_ = MakeDayEdit(days_, "toDay");
  auto* dayLayout = new QHBoxLayout(days_);
  dayLayout->addWidget(new QLabel(QStringLiteral("Alkaen"), days_));
  dayLayout->addWidget(fromDay_);
  dayLayout->addSpacing(12);
  dayLayout->addWidget(new QLabel(QStringLiteral("Asti"), days_));
  dayLayout->addWidget(toDay_);
  dayLayout->addStretch();
  // A range is never empty: a start past the end takes the end along, and the other way round.
  connect(fromDay_, &QDateEdit::dateChanged, this, [this](const QDate& from) {
    if (from > toDay_->date()) {
      toDay_->setDate(from);
    }
  });
  connect(toDay_, &QDateEdit::dateChanged, this, [this](const QDate& to) {
    if (to < fromDay_->date()) {
      fromDay_->setDate(to);
    }
  });

  total_ = MakeField(this, "total", QStringLiteral("-?[0-9]{0,14}([.,][0-9]{0,4})?"), 20);
  total_->setPlaceholderText(QStringLiteral("esim. 20,19"));
  product_ = MakeField(this, "product", QString(), 13);
  // Any number of digits, as the command line takes them: leading zeros are allowed.
  number_ = MakeField(this, "number", QStringLiteral("[0-9]*"), std::nullopt);
  number_->setPlaceholderText(QStringLiteral("etunollia ei tarvita"));
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Yhteensä"), total_);
  fields->addRow(QStringLiteral("Tuotekoodi"), product_);
  fields->addRow(QStringLiteral("Tositenumero"), number_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* search = buttons->addButton(QStringLiteral("Etsi"), QDialogButtonBox::ActionRole);
  search->setObjectName(QStringLiteral("search"));
  search->setDefault(true);
  QPushButton* close = buttons->addButton(QStringLiteral("Sulje"), QDialogButtonBox::RejectRole);
  close->setAutoDefault(false);
  connect(search, &QPushButton::clicked, this, &SearchDialog::Search);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  results_ = new QTableWidget(0, 4, this);
  results_->setObjectName(QStringLiteral("results"));
  results_->setHorizontalHeaderLabels({QStringLiteral("Tositenumero"), QStringLiteral("Päivä"),
                                       QStringLiteral("Aika"), QStringLiteral("Yhteensä")});
  results_->horizontalHeaderItem(kTotalColumn)->setTextAlignment(Qt::AlignRight);
  // The number, day and time fit their texts; the total takes the rest of the width.
  results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  results_->horizontalHeader()->setSectionResizeMode(kTotalColumn, QHeaderView::Stretch);
  results_->verticalHeader()->hide();
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setSelectionBehavior(QAbstractItemView::SelectRows);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->installEventFilter(this);
  connect(results_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Choose(row); });

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

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter on a result fetches it, rather than searching again with the default button.
  if (watched == results_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && results_->currentRow() >= 0) {
      Choose(results_->currentRow());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SearchDialog::Search() {
  SearchCriteria criteria;
  if (days_->isChecked()) {
    criteria.fromDay = DayNumber(fromDay_->date());
    criteria.toDay = DayNumber(toDay_->date());
  }
  if (const QString total = total_->text().trimmed(); !total.isEmpty()) {
    criteria.total = ParseAmount(total.toStdString());
    if (!criteria.total) {
      messages_.Show(QStringLiteral("Tarkista yhteensä: esimerkiksi 20,19 tai -0,01."));
      total_->setFocus();
      return;
    }
  }
  if (const QString product = product_->text().trimmed(); !product.isEmpty()) {
    criteria.productCode = product.toStdString();
  }
  if (const QString number = number_->text(); !number.isEmpty()) {
    criteria.number = number.toStdString();
  }

  SearchResult result;
  try {
    const BusyCursor busy;
    result = FindReceipts(dataPath_.toStdString(), SystemFileSystem(), criteria, kMaxShown);
  } catch (const RuntimeError& error) {
    messages_.Show(QString::fromStdString(FetchErrorReport(error, dataPath_.toStdString())));
    return;
  }

  const std::string separator = RegionalNumberFormat().decimalSeparator;
  results_->setRowCount(static_cast<int>(result.hits.size()));
  for (int row = 0; row < results_->rowCount(); ++row) {
    const ReceiptHit& hit = result.hits[static_cast<std::size_t>(row)];
    const std::string number = VoucherText(hit);
    QTableWidgetItem* voucher = Cell("M" + number + "-001");
    voucher->setData(Qt::UserRole, QString::fromStdString(number));
    results_->setItem(row, kVoucherColumn, voucher);
    results_->setItem(row, kDayColumn, Cell(DateText(hit.saleTime)));
    results_->setItem(row, kTimeColumn, Cell(TimeText(hit.saleTime)));
    results_->setItem(row, kTotalColumn, Cell(hit.total.AmountText(separator), Qt::AlignRight));
  }
  summary_->setText(Summary(result.hits.size(), result.matched));
  if (!result.hits.empty()) {
    results_->setCurrentCell(0, kVoucherColumn);
    results_->setFocus();
  }
}

void SearchDialog::Choose(int row) {
  chosen_ = results_->item(row, kVoucherColumn)->data(Qt::UserRole).toString();
  accept();
}

}  // namespace kuitti
