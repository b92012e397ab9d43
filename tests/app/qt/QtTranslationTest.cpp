// Qt's own texts, such as the text boxes' context menu, follow the regional settings.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "app/qt/QtTranslation.h"

namespace kuitti::test {
namespace {

// The first entry of a text box's context menu, "&Undo" in English.
QString UndoText() {
  QLineEdit box;
  const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
  return menu->actions().front()->text().section(QLatin1Char('\t'), 0, 0);
}

TEST(QtTranslation, FinnishUnderFinnishSettingsEnglishWhereQtHasNoTranslation) {
  {
    const auto finnish = InstallQtTranslation(QLocale(QLocale::Finnish, QLocale::Finland));
    ASSERT_NE(finnish, nullptr);
    EXPECT_EQ(UndoText(), QStringLiteral("&Kumoa"));
  }
  EXPECT_EQ(InstallQtTranslation(QLocale(QLocale::Zulu, QLocale::SouthAfrica)), nullptr);
  EXPECT_EQ(UndoText(), QStringLiteral("&Undo"));
}

}  // namespace
}  // namespace kuitti::test
