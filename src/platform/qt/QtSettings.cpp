#include <QLocale>

#include "platform/PlatformSettings.h"

namespace kuitti {

NumberFormat RegionalNumberFormat() {
  return NumberFormat{QLocale::system().decimalPoint().toStdString()};
}

}  // namespace kuitti
