#include "Form1.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "BusyCursor.h"
#include "CopyBoxOutput.h"
#include "CopyTextBox.h"
#include "MessageBoxes.h"
#include "PlatformSettings.h"
#include "ReceiptCopy.h"
#include "RuntimeError.h"
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
  auto* button = Place(new QPushButton(text, parent), name, geometry);
  // Enter and Escape press no button.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QFont CopyFont() {
  QFont font(QStringLiteral("Courier"));
  font.setPointSizeF(9.75);
  font.setWeight(QFont::Normal);
  // Whatever face "Courier" maps to, the columns must stay aligned.
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

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

  // Created in the order of their tab index, which gives the tab order.
  Text1 = Place(new CopyTextBox(this), "Text1", TwipsRect(0, 600, 9015, 7215));
  Command1 = MakeButton(this, "Command1", QStringLiteral("Hae"), TwipsRect(4800, 120, 1215, 375));
  Text2 = Place(new VoucherBox(this), "Text2", TwipsRect(2160, 120, 1695, 285));
  Command2 = MakeButton(this, "Command2", QStringLiteral("Sulje"), TwipsRect(7800, 120, 1215, 375));
  Label1 =
      MakeLabel(this, "Label1", QStringLiteral("Tositenumero"), TwipsRect(120, 120, 1815, 255));
  Command3 =
      MakeButton(this, "Command3", QStringLiteral("Tulosta"), TwipsRect(6120, 120, 1215, 375));
  Label2 = MakeLabel(this, "Label2", QStringLiteral("M"), TwipsRect(1920, 120, 615, 375));
  Label3 = MakeLabel(this, "Label3", QStringLiteral("-001"), TwipsRect(3960, 120, 615, 375));
  Label4 = MakeLabel(this, "Label4", QStringLiteral("Vain sisäiseen käyttöön"),
                     TwipsRect(120, 7920, 4335, 255));
  Label5 = MakeLabel(this, "Label5", QStringLiteral("www.kassatuki.example"),
                     TwipsRect(2640, 7920, 4335, 255));
  // Label2 lies under the left end of Text2, so the box covers the overlap.
  Label2->lower();

  Text1->setFont(CopyFont());
  QPalette palette = Text1->palette();
  palette.setColor(QPalette::Base, QColor(224, 224, 224));
  Text1->setPalette(palette);

  setTabOrder(Text1, Command1);
  setTabOrder(Command1, Text2);
  setTabOrder(Text2, Command2);
  setTabOrder(Command2, Command3);

  connect(Command1, &QPushButton::clicked, this, &Form1::HaeKuitti);
  connect(Text2, &VoucherBox::enterPressed, this, &Form1::HaeKuitti);
  connect(Command2, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

Form1::~Form1() = default;

void Form1::SetDataPath(const QString& dataPath) {
  module_.sales.DataPath = dataPath.toStdString();
}

void Form1::HaeKuitti() {
  Command1->setEnabled(false);
  Command3->setEnabled(false);
  try {
    const BusyCursor busy;
    CopyBoxOutput output(*Text1, messages_);
    // FetchReceiptCopy closes every data file whether or not the build succeeds.
    FetchReceiptCopy(module_, SystemFileSystem(), Text2->text().toStdString(), output,
                     RegionalNumberFormat());
    output.Flush();
  } catch (const RuntimeError& error) {
    // A half-built copy must not stay in the box where it could be printed as whole.
    Text1->SetCopyText(QString());
    messages_.Show(QString::fromUtf8(error.what()));
  }
  Command1->setEnabled(true);
  Command3->setEnabled(true);
}

QString Form1::CopyText() const {
  return Text1->CopyText();
}

void Form1::SetPrintCommandEnabled(bool enabled) {
  Command3->setEnabled(enabled);
}

void Form1::SetFetchCommandEnabled(bool enabled) {
  Command1->setEnabled(enabled);
}

void Form1::ShowMessage(const QString& message) {
  messages_.Show(message);
}

void Form1::Command3_Click() {
  const BusyCursor busy;
  PrintReceiptCopy(*this, *printer_);
}

}  // namespace kuitti
