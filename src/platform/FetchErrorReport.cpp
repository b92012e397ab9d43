#include "FetchErrorReport.h"

#include "PlatformSettings.h"

namespace kuitti {

namespace {

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && PathSeparators().find(path.back()) != std::string_view::npos;
}

std::string SettingAdvice(const std::string& dataPathSetting) {
  const std::string where = "Datakansio luetaan " + DataPathSettingSource();
  const std::string separator = "\"" + std::string(1, PathSeparators().front()) + "\"";
  if (dataPathSetting.empty()) {
    return where +
           ", jota ei ole asetettu. Arvon pitää olla datakansion polku, joka päättyy "
           "merkkiin " +
           separator + ".";
  }
  return where + ", jonka arvo \"" + dataPathSetting + "\" ei pääty merkkiin " + separator +
         ". Arvon pitää päättyä siihen, koska tiedostonimet liitetään arvoon sellaisenaan.";
}

}  // namespace

std::string FetchErrorReport(const RuntimeError& error, const std::string& dataPathSetting) {
  std::string report = error.what();
  if (error.number() == kFileNotFound && !EndsWithSeparator(dataPathSetting)) {
    report += '\n' + SettingAdvice(dataPathSetting);
  }
  return report;
}

std::string FetchErrorReport(const RuntimeError& error, const std::string& dataPath,
                             bool pathFromSetting) {
  if (!pathFromSetting) {
    return error.what();
  }
  return FetchErrorReport(error, dataPath);
}

}  // namespace kuitti
