#pragma once

#include <QWidget>

namespace kuitti {

// Gives the copy box its text and background colours (black on grey) in its own palette, so
// that the application's palette, a dark one included, cannot change them.
void UseCopyBoxColours(QWidget* box);

}  // namespace kuitti
