// The message boxes on screen: one OK button, the window's caption as title, and wide enough
// for that title however short the text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/qt/QtMessageBoxes.h"

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
    const auto box = MakeMessageBox(text, nullptr);
    box->show();
    EXPECT_GE(box->width(), needed) << text.toStdString();
    EXPECT_EQ(box->windowTitle(), title);
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  }
}

}  // namespace
}  // namespace kuitti::test
