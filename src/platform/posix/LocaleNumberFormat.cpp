#include <langinfo.h>
#include <locale.h>

#include "platform/PlatformSettings.h"

namespace kuitti {

NumberFormat RegionalNumberFormat() {
  // The user's LC_NUMERIC (LC_ALL, LC_NUMERIC or LANG) as glibc has it, without touching the
  // process's locale; a locale glibc was not given leaves the C locale's point, as it does in
  // every program.
  const locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", nullptr);
  if (numeric == nullptr) {
    return NumberFormat{"."};
  }
  NumberFormat format{::nl_langinfo_l(RADIXCHAR, numeric)};
  ::freelocale(numeric);
  return format;
}

}  // namespace kuitti
