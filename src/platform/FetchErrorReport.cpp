#include "platform/FetchErrorReport.h"

#include "platform/PlatformSettings.h"

namespace kuitti {

namespace {

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && PathSeparators().find(path.back()) != std::string_view::npos;
}

// For a folder that is missing or cannot be reached although the setting is well formed.
std::string FolderAdvice(const std::string& dataPathSetting) {
  std::string advice = "Datakansio luetaan ";
  advice += DataPathSettingSource();
  advice += ", jonka arvo on \"";
  advice += dataPathSetting;
  advice += "\". Tarkista, että kansio on olemassa ja että siihen saadaan yhteys.";
  return advice;
}

std::string SettingAdvice(const std::string& dataPathSetting) {
  // Appended piece by piece: GCC 12 at -O3 takes a literal put before a temporary string for
  // an overlapping copy and would fail the build.
  std::string where = "Datakansio luetaan ";
  where += DataPathSettingSource();
  std::string separator = "\"";
  separator += PathSeparators().front();
  separator += '"';
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
  const bool fileOrFolderMissing =
      error.number() == kFileNotFound || error.number() == kPathNotFound;
  if (fileOrFolderMissing && !EndsWithSeparator(dataPathSetting)) {
    report += '\n';
    report += SettingAdvice(dataPathSetting);
  } else if (error.number() == kPathNotFound) {
    report += '\n';
    report += FolderAdvice(dataPathSetting);
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
