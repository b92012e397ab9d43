#include "app/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "app/Form1Layout.h"
#include "app/qt/QtText.h"

namespace kuitti {

namespace {

// Besides the title itself, a title bar holds the window's icon and its buttons.
constexpr int kTitleBarRoom = 150;

// Window managers set titles in a bold face of about the application's size.
int TitleBarWidth(const QString& title) {
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, QWidget* owner) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QtText(form1::kCaption), text,
                                           QMessageBox::Ok, owner);
  // A box sized to a short text would cut its title: "Kor… lux".
  auto* grid = qobject_cast<QGridLayout*>(box->layout());
  grid->addItem(new QSpacerItem(TitleBarWidth(box->windowTitle()), 0, QSizePolicy::Minimum,
                                QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
  return box;
}

void QtMessageBoxes::Show(const QString& text) {
  const auto box = MakeMessageBox(text, QApplication::activeWindow());
  // A fetch shows its messages while the busy cursor is up; the box itself takes clicks.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  box->exec();
  QApplication::restoreOverrideCursor();
}

}  // namespace kuitti
