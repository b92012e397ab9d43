#include <QLocale>
#include <QSettings>
#include <QStringList>

#include "platform/PlatformSettings.h"

namespace kuitti {

namespace {

// Organisation "Velkamora Oy" names the file; there is no application part.
constexpr QSettings::Format kFormat = QSettings::IniFormat;
constexpr QSettings::Scope kScope = QSettings::UserScope;
const char* const kOrganisation = "Velkamora Oy";

}  // namespace

std::string ReadDataPathSetting() {
  const QSettings settings(kFormat, kScope, QString::fromUtf8(kOrganisation));
  const QVariant value = settings.value(QStringLiteral("Asiakas/Datat"), QString());
  // An unquoted value with commas comes back as a list; put it together as it was written.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(',')).toStdString();
  }
  return value.toString().toStdString();
}

std::string DataPathSettingSource() {
  const QString file = QSettings(kFormat, kScope, QString::fromUtf8(kOrganisation)).fileName();
  return "asetustiedoston " + file.toStdString() + " osion [Asiakas] asetuksesta Datat";
}

std::string_view PathSeparators() {
  return "/";
}

NumberFormat RegionalNumberFormat() {
  return NumberFormat{QLocale::system().decimalPoint().toStdString()};
}

}  // namespace kuitti
