#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest show a QString as text in its failure messages.
inline void PrintTo(const QString& text, std::ostream* stream) {
  *stream << text.toStdString();
}
