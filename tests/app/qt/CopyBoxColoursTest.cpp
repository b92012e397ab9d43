// The copy stays black on grey under a dark application palette, whether the palette is set
// before the window opens or while it is open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "app/qt/CopyTextBox.h"
#include "app/qt/Form1.h"
#include "app/qt/RecordingMessages.h"

namespace kuitti::test {
namespace {

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(32, 32, 32));
  dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  dark.setColor(QPalette::Text, QColor(250, 250, 250));
  dark.setColor(QPalette::Button, QColor(45, 45, 45));
  dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
  return dark;
}

// The application's palette for the test's length.
class ApplicationPalette {
 public:
  ApplicationPalette() : before_(QApplication::palette()) {}
  ~ApplicationPalette() { QApplication::setPalette(before_); }
  ApplicationPalette(const ApplicationPalette&) = delete;
  ApplicationPalette& operator=(const ApplicationPalette&) = delete;

 private:
  QPalette before_;
};

// The darkest pixel of the drawn copy (its text) and the colour of its corner (the background).
struct Drawn {
  QColor darkest;
  QColor corner;
};

Drawn Draw(CopyTextBox* box) {
  box->SetCopyText(QStringLiteral("MMMMMMMMMMMMMMMMMMMM\r\nWWWWWWWWWWWWWWWWWWWW"));
  const QImage image = box->viewport()->grab().toImage();
  Drawn drawn{Qt::white, image.pixelColor(image.width() - 2, image.height() - 2)};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.lightness() < drawn.darkest.lightness()) {
        drawn.darkest = pixel;
      }
    }
  }
  return drawn;
}

TEST(CopyBoxColours, BlackOnGreyUnderADarkPalette) {
  for (const bool beforeTheWindow : {true, false}) {
    const ApplicationPalette restored;
    if (beforeTheWindow) {
      QApplication::setPalette(DarkPalette());
    }
    RecordingMessages messages;
    Form1 form(messages, nullptr);
    form.show();
    if (!beforeTheWindow) {
      QApplication::setPalette(DarkPalette());
    }
    auto* box = form.findChild<CopyTextBox*>(QStringLiteral("Text1"));
    ASSERT_NE(box, nullptr);
    const char* when = beforeTheWindow ? "set before the window" : "set while it is open";
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 0, 0)) << when;
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(224, 224, 224)) << when;
    const Drawn drawn = Draw(box);
    EXPECT_EQ(drawn.corner, QColor(224, 224, 224)) << when;
    EXPECT_LT(drawn.darkest.lightness(), 64) << when << ": the text is not dark";
  }
}

}  // namespace
}  // namespace kuitti::test
