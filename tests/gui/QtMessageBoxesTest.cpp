// The message boxes on screen: one OK button, the window's caption as title, and wide enough
// for that title however short the text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "QtMessageBoxes.h"

namespace kuitti::test {
namespace {

TEST(QtMessageBoxes, TheBoxIsWideEnoughForItsTitleWhateverItsText) {
  QFont bold = QApplication::font();
  bold.setBold(true);
  const QString title = QStringLiteral("Korvex - Tarjolux");
  // The title in the bold face title bars use, with room for an icon and three buttons.
  const int needed = QFontMetrics(bold).horizontalAdvance(title) + 3 * 24 + 16;
  for (const QString& text :
       {QStringLiteral("Ei haettua tositetta."), QStringLiteral("OK"),
        QStringLiteral("Virhe 53: Tiedostoa ei löydy: /srv/kassa/data/CASSA.001")}) {
    QMessageBox* shown = nullptr;
    int width = 0;
    QTimer::singleShot(0, [&] {
      shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (shown) {
        width = shown->width();
        EXPECT_EQ(shown->windowTitle(), title);
        EXPECT_EQ(shown->text(), text);
        EXPECT_EQ(shown->buttons().size(), 1);
        shown->accept();
      }
    });
    QtMessageBoxes().Show(text);
    ASSERT_NE(shown, nullptr) << text.toStdString();
    EXPECT_GE(width, needed) << text.toStdString();
  }
}

}  // namespace
}  // namespace kuitti::test
