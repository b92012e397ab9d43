#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// The text of a value in a settings file, as QSettings (Qt 6.4, IniFormat) reads the bytes after
// a key's "=" and QVariant::toString() gives them, in UTF-8: quotes, backslash escapes, spaces
// trimmed outside quotes, a comma-separated list joined again with ",", and the @String(),
// @ByteArray() and @Variant() forms of a text; any other typed form gives what Qt's
// toString() gives for it where that is empty, otherwise the empty text too.
std::string IniValueText(std::string_view value);

}  // namespace kuitti
