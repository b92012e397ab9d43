#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kuitti {

// The value of "Section/Key" in the bytes of a settings file, found as QSettings (Qt 6.4,
// IniFormat, on Linux) finds it and read as IniValueText reads it; nothing when the file does
// not hold the key, so that the next file may be asked. As in Qt: a leading UTF-8 byte order
// mark is skipped; sections and keys match case-sensitively after Qt's unescaping ("%44",
// "%U0044", "\" for "/", UTF-8); lines end at CR or LF outside quotes and at a ";" that starts a
// comment; a backslash joins the next line; repeated sections are one and a repeated key's last
// value counts; and only the section that sorts last among those up to the key is searched, so
// a section such as [Asiakas\Aa] hides [Asiakas] from "Asiakas/Datat".
std::optional<std::string> IniFileValue(std::string_view file, std::u16string_view sectionAndKey);

}  // namespace kuitti
