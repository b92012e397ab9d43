#include "FetchErrorReport.h"

#include "PlatformSettings.h"

namespace kuitti {

namespace {

QString SettingAdvice(const QString& dataPathSetting) {
  const QString where =
      QStringLiteral("Datakansio luetaan asetustiedoston %1 osion [Asiakas] asetuksesta Datat")
          .arg(SettingsFilePath());
  if (dataPathSetting.isEmpty()) {
    return where + QStringLiteral(
                       ", jota ei ole asetettu. Arvon pitää olla datakansion polku, "
                       "joka päättyy merkkiin \"/\".");
  }
  return where + QStringLiteral(
                     ", jonka arvo \"%1\" ei pääty merkkiin \"/\". Arvon pitää "
                     "päättyä siihen, koska tiedostonimet liitetään arvoon "
                     "sellaisenaan.")
                     .arg(dataPathSetting);
}

}  // namespace

QString FetchErrorReport(const RuntimeError& error, const QString& dataPathSetting) {
  QString report = QString::fromUtf8(error.what());
  if (error.number() == kFileNotFound && !dataPathSetting.endsWith(QLatin1Char('/'))) {
    report += QLatin1Char('\n') + SettingAdvice(dataPathSetting);
  }
  return report;
}

std::string FetchErrorReport(const RuntimeError& error, const std::string& dataPath,
                             bool pathFromSetting) {
  if (!pathFromSetting) {
    return error.what();
  }
  return FetchErrorReport(error, QString::fromStdString(dataPath)).toStdString();
}

}  // namespace kuitti
