#include "Form1.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "BusyCursor.h"
#include "CommandButton.h"
#include "CopyTextBox.h"
#include "FetchErrorReport.h"
#include "MessageBoxes.h"
#include "PlatformSettings.h"
#include "ReceiptCopy.h"
#include "ReceiptLayout.h"
#include "RuntimeError.h"
#include "SearchShortcuts.h"
#include "Twips.h"
#include "VoucherBox.h"
#include "WindowCaption.h"

namespace kuitti {

namespace {

template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = Place(new QLabel(text, parent), name, geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
  return Place(new CommandButton(text, parent), name, geometry);
}

// The longest entry whose heading line "Kuittikopio, tositenumero M…-001" still fits the width
// of the copy. A voucher number has six characters; the rest is room for stray spaces and a
// pasted "M123456-001" that the user trims in the box.
constexpr int kLongestEntry =
    static_cast<int>(layout::kWidth - layout::kHeadingStart.size() - layout::kVoucherSuffix.size());

}  // namespace

Form1::Form1(MessageBoxes& messages, std::unique_ptr<Printer> printer)
    : messages_(messages), printer_(std::move(printer)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(WindowCaption());
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/kuittikopio-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/kuittikopio-16.png"), QSize(16, 16));
  setWindowIcon(icon);
  setFixedSize(Pixels(9030), Pixels(8175));
  // The layout is fixed, so a maximise button would do nothing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  // Created in the order of their tab index, which gives the tab order.
  copyBox_ = Place(new CopyTextBox(this), "Text1", TwipsRect(0, 600, 9015, 7215));
  fetchButton_ =
      MakeButton(this, "Command1", QStringLiteral("Hae"), TwipsRect(4800, 120, 1215, 375));
  voucherBox_ = Place(new VoucherBox(this), "Text2", TwipsRect(2160, 120, 1695, 285));
  closeButton_ =
      MakeButton(this, "Command2", QStringLiteral("Sulje"), TwipsRect(7800, 120, 1215, 375));
  MakeLabel(this, "Label1", QStringLiteral("Tositenumero"), TwipsRect(120, 120, 1815, 255));
  printButton_ =
      MakeButton(this, "Command3", QStringLiteral("Tulosta"), TwipsRect(6120, 120, 1215, 375));
  // "M" lies under the left end of the voucher box, so the box covers the overlap.
  MakeLabel(this, "Label2", QStringLiteral("M"), TwipsRect(1920, 120, 615, 375))->lower();
  MakeLabel(this, "Label3", QStringLiteral("-001"), TwipsRect(3960, 120, 615, 375));
  MakeLabel(this, "Label4", QStringLiteral("Vain sisäiseen käyttöön"),
            TwipsRect(120, 7920, 4335, 255));
  MakeLabel(this, "Label5", QStringLiteral("www.kassatuki.example"),
            TwipsRect(2640, 7920, 4335, 255));

  voucherBox_->setMaxLength(kLongestEntry);
  QPalette palette = copyBox_->palette();
  palette.setColor(QPalette::Base, QColor(224, 224, 224));
  copyBox_->setPalette(palette);

  setTabOrder(copyBox_, fetchButton_);
  setTabOrder(fetchButton_, voucherBox_);
  setTabOrder(voucherBox_, closeButton_);
  setTabOrder(closeButton_, printButton_);
  // Staff type the number first: the window opens with the focus in the voucher box.
  voucherBox_->setFocus();

  connect(fetchButton_, &QPushButton::clicked, this, &Form1::HaeKuitti);
  connect(voucherBox_, &VoucherBox::enterPressed, this, &Form1::HaeKuitti);
  connect(closeButton_, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
  connect(printButton_, &QPushButton::clicked, this, &Form1::PrintCopy);
  AddSearchShortcuts(*this, messages_);
}

Form1::~Form1() = default;

void Form1::SetDataPath(const QString& dataPath) {
  dataPath_ = dataPath;
  module_.sales.DataPath = dataPath.toStdString();
}

void Form1::HaeKuitti() {
  SetCommandsEnabled(false);
  const std::string entry = voucherBox_->text().toStdString();
  try {
    const BusyCursor busy;
    const std::optional<std::string> copy =
        FetchReceiptCopy(module_, SystemFileSystem(), entry, RegionalNumberFormat());
    copyBox_->SetCopyText(copy ? QString::fromStdString(*copy) : QString());
    if (!copy) {
      messages_.Show(QString::fromStdString(NotFoundMessage(entry)));
    }
  } catch (const RuntimeError& error) {
    copyBox_->SetCopyText(QString());
    messages_.Show(QString::fromStdString(FetchErrorReport(error, dataPath_.toStdString())));
  }
  SetCommandsEnabled(true);
  ReadyForTheNextNumber();
}

void Form1::PrintCopy() {
  const QString copy = copyBox_->CopyText();
  if (copy.isEmpty()) {
    messages_.Show(QStringLiteral("Ei haettua tositetta."));
    ReadyForTheNextNumber();
    return;
  }
  SetCommandsEnabled(false);
  try {
    const BusyCursor busy;
    PrintReceiptCopy(*printer_, copy);
  } catch (const RuntimeError& error) {
    messages_.Show(PrintErrorMessage(error));
  }
  SetCommandsEnabled(true);
  ReadyForTheNextNumber();
}

void Form1::ReadyForTheNextNumber() {
  // Whatever the outcome, the next number types over the last one, not into the copy.
  voucherBox_->setFocus();
  voucherBox_->selectAll();
}

void Form1::SetCommandsEnabled(bool enabled) {
  fetchButton_->setEnabled(enabled);
  printButton_->setEnabled(enabled);
}

}  // namespace kuitti
