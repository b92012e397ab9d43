#include "app/qt/Form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

#include "app/FetchReport.h"
#include "app/qt/BusyCursor.h"
#include "app/qt/CommandButton.h"
#include "app/qt/CopyBoxPalette.h"
#include "app/qt/CopyTextBox.h"
#include "app/qt/KeyChords.h"
#include "app/qt/MessageBoxes.h"
#include "app/qt/QtText.h"
#include "app/qt/SearchDialog.h"
#include "app/qt/VoucherBox.h"
#include "platform/PlatformSettings.h"
#include "print/DefaultPrinter.h"
#include "print/PdfCopyFile.h"

namespace kuitti {

namespace {

// Qt lays widgets out in pixels of 96 dots per inch and scales them for the screen itself.
constexpr int kQtDotsPerInch = 96;

int Pixels(int twips) {
  return TwipsToPixels(twips, kQtDotsPerInch);
}

QRect PixelsOf(const TwipsRect& place) {
  return {Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height)};
}

}  // namespace

Form1::Form1(MessageBoxes& messages, std::unique_ptr<Printer> printer)
    : messages_(messages),
      printer_(printer ? std::move(printer) : MakeDefaultPrinter()),
      steps_(*this, *printer_, WritePdfCopyFile, SystemFileSystem(), RegionalNumberFormat(),
             FetchReport) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QtText(form1::kCaption));
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/kuittikopio-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/kuittikopio-16.png"), QSize(16, 16));
  setWindowIcon(icon);
  setFixedSize(Pixels(form1::kClientWidth), Pixels(form1::kClientHeight));
  // The layout is fixed, so a maximise button would do nothing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  // Made in the order of their tab index, which is then the tab order.
  QWidget* previous = nullptr;
  for (const ControlLayout& layout : form1::kControls) {
    QWidget* control = Make(layout);
    controls_[static_cast<std::size_t>(layout.control)] = control;
    if (const std::optional<Command> command = CommandOfButton(layout.control)) {
      connect(static_cast<QPushButton*>(control), &QPushButton::clicked, this,
              [this, command] { steps_.Run(*command); });
    }
    if (layout.underNeighbours) {
      control->lower();
    }
    if (control->focusPolicy() & Qt::TabFocus) {
      if (previous) {
        setTabOrder(previous, control);
      }
      previous = control;
    }
  }
  // Staff type the number first: the window opens with the focus in the voucher box.
  ControlOf(Control::kText2)->setFocus();
}

Form1::~Form1() = default;

void Form1::SetDataPath(const QString& dataPath) {
  steps_.SetDataPath(dataPath.toStdString());
}

QString Form1::DataPath() const {
  return QString::fromStdString(steps_.DataPath());
}

QWidget* Form1::Make(const ControlLayout& layout) {
  QWidget* control = nullptr;
  switch (layout.kind) {
    case ControlKind::kLabel: {
      auto* label = new QLabel(QtText(layout.text), this);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      control = label;
      break;
    }
    case ControlKind::kSingleLineBox: {
      auto* box = new VoucherBox(this);
      box->setMaxLength(static_cast<int>(form1::kLongestEntry));
      box->setText(QtText(layout.text));
      box->setToolTip(QtText(kVoucherBoxTip));
      control = box;
      break;
    }
    case ControlKind::kMultiLineBox: {
      auto* box = new CopyTextBox(this, form1::kCopyFont);
      UseCopyBoxColours(box);
      box->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(box, &QWidget::customContextMenuRequested, this, &Form1::ShowCopyBoxMenu);
      box->SetCopyText(QtText(layout.text));
      control = box;
      break;
    }
    case ControlKind::kButton:
      control = new CommandButton(QtText(layout.text), this);
      break;
  }
  control->setObjectName(QtText(layout.name));
  control->setGeometry(PixelsOf(layout.place));
  return control;
}

QWidget* Form1::ControlOf(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

void Form1::keyPressEvent(QKeyEvent* event) {
  const KeyFocus focus =
      focusWidget() == ControlOf(Control::kText2) ? KeyFocus::kVoucherBox : KeyFocus::kAnywhere;
  if (const std::optional<Command> command = CommandOfKey(kForm1Keys, KeyChordOf(*event), focus)) {
    steps_.Run(*command);
    return;
  }
  QWidget::keyPressEvent(event);
}

std::string Form1::Text(Control control) const {
  QWidget* widget = ControlOf(control);
  switch (form1::LayoutOf(control).kind) {
    case ControlKind::kLabel:
      return static_cast<QLabel*>(widget)->text().toStdString();
    case ControlKind::kSingleLineBox:
      return static_cast<VoucherBox*>(widget)->text().toStdString();
    case ControlKind::kMultiLineBox:
      return static_cast<CopyTextBox*>(widget)->CopyText().toStdString();
    case ControlKind::kButton:
      return static_cast<CommandButton*>(widget)->text().toStdString();
  }
  return {};
}

void Form1::SetText(Control control, std::string_view text) {
  QWidget* widget = ControlOf(control);
  switch (form1::LayoutOf(control).kind) {
    case ControlKind::kLabel:
      static_cast<QLabel*>(widget)->setText(QtText(text));
      break;
    case ControlKind::kSingleLineBox:
      static_cast<VoucherBox*>(widget)->setText(QtText(text));
      break;
    case ControlKind::kMultiLineBox:
      static_cast<CopyTextBox*>(widget)->SetCopyText(QtText(text));
      break;
    case ControlKind::kButton:
      static_cast<CommandButton*>(widget)->setText(QtText(text));
      break;
  }
}

void Form1::SetEnabled(Control control, bool enabled) {
  ControlOf(control)->setEnabled(enabled);
}

void Form1::FocusAndSelectAll(Control control) {
  QWidget* widget = ControlOf(control);
  widget->setFocus();
  switch (form1::LayoutOf(control).kind) {
    case ControlKind::kSingleLineBox:
      static_cast<VoucherBox*>(widget)->selectAll();
      break;
    case ControlKind::kMultiLineBox:
      static_cast<CopyTextBox*>(widget)->selectAll();
      break;
    case ControlKind::kLabel:
    case ControlKind::kButton:
      break;
  }
}

void Form1::ShowMessage(std::string_view text) {
  messages_.Show(QtText(text));
}

void Form1::SetBusy(bool busy) {
  SetBusyCursor(busy);
}

void Form1::OpenSearch() {
  auto* dialog = new SearchDialog(this, DataPath(), messages_, [this](const std::string& voucher) {
    steps_.FetchVoucher(voucher);
  });
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
  // Shown and laid out, so that the newest receipt can be scrolled into view.
  dialog->OpenOnNewestDay();
}

void Form1::Quit() {
  QCoreApplication::exit(0);
}

std::optional<std::string> Form1::AskPdfPath(std::string_view proposedName) {
  QFileDialog dialog(this, QtText(kSavePdfDialogTitle));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("PDF-tiedostot (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  // The user's Documents folder, or the home folder where there is none.
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialog.setDirectory(documents.exists() ? documents : QDir::home());
  dialog.selectFile(QtText(proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst().toStdString();
}

void Form1::CopyText() {
  static_cast<CopyTextBox*>(ControlOf(Control::kText1))->CopyToClipboard();
}

void Form1::ShowCopyBoxMenu(const QPoint& where) {
  QMenu menu(this);
  for (const Command command : kCopyBoxMenu) {
    connect(menu.addAction(QtText(TextOf(command))), &QAction::triggered, this,
            [this, command] { steps_.Run(command); });
  }
  menu.exec(ControlOf(Control::kText1)->mapToGlobal(where));
}

}  // namespace kuitti
