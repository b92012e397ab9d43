#include "PlatformSettings.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>

namespace kuitti {

QString ReadDataPathSetting() {
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                           QStringLiteral("Velkamora Oy"));
  const QVariant value = settings.value(QStringLiteral("Asiakas/Datat"), QString());
  // An unquoted value with commas comes back as a list; put it together as it was written.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(','));
  }
  return value.toString();
}

NumberFormat RegionalNumberFormat() {
  return NumberFormat{QLocale::system().decimalPoint().toStdString()};
}

}  // namespace kuitti
