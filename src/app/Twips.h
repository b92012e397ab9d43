#pragma once

#include <QRect>

namespace kuitti {

// The window is laid out in twips; 15 twips are one pixel at 96 dots per inch.
constexpr int Pixels(int twips) {
  return twips / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

}  // namespace kuitti
