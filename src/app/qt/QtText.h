#pragma once

#include <QString>
#include <string_view>

namespace kuitti {

// UTF-8 text of the shared window code as Qt's.
inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kuitti
