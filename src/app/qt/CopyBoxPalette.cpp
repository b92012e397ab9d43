#include "app/qt/CopyBoxPalette.h"

#include <QPalette>

#include "app/CopyBoxColours.h"

namespace kuitti {

namespace {

QColor QColorOf(const Rgb& colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace

void UseCopyBoxColours(QWidget* box) {
  // The desktop's high-contrast settings do not reach Qt's palette here: always black on grey.
  const CopyBoxColours colours = CopyBoxColoursIn(std::nullopt);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, QColorOf(colours.text));
  palette.setColor(QPalette::Base, QColorOf(colours.background));
  box->setPalette(palette);
}

}  // namespace kuitti
