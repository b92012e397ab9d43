#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// The text of a value QSettings stored as @Variant(...): the bytes are a QVariant in
// QDataStream's Qt 4.0 form. A QString, QByteArray or QStringList (joined with ",") gives its
// text, as QVariant::toString() would; anything else, or bytes that end too soon, the empty text.
std::string StreamedVariantText(std::string_view bytes);

}  // namespace kuitti
