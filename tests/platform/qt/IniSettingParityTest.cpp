// The data directory setting read without Qt against QSettings itself, which the program used
// before: each settings file as both read it, then where both look for the files.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <optional>

#include "InChildProcess.h"
#include "ScopedEnvironment.h"
#include "platform/PlatformSettings.h"
#include "platform/posix/SettingsFiles.h"
#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "Velkamora Oy.ini";

QSettings UserSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velkamora Oy"));
}

// The value as the program took it from Qt: a list joined again with commas.
std::string QtSetting() {
  return InChildProcess([] {
    const QVariant value = UserSettings().value(QStringLiteral("Asiakas/Datat"), QString());
    return (value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                     : value.toString())
        .toStdString();
  });
}

// A settings home of its own, and system directories that hold nothing unless written.
class SettingsHome {
 public:
  // Writes the file in the directory, if there are bytes for it.
  static void Write(const fs::path& directory, const std::optional<std::string>& bytes) {
    if (bytes) {
      fs::create_directories(directory);
      std::ofstream(directory / kFileName, std::ios::binary) << *bytes;
    }
  }

  fs::path user() const { return root_.path() / "home"; }
  fs::path system(int n) const { return root_.path() / ("xdg" + std::to_string(n)); }

 private:
  DataDirectory root_;
  ScopedEnvironment environment_{{
      {"XDG_CONFIG_HOME", user().string()},
      {"XDG_CONFIG_DIRS", system(1).string() + ":" + system(2).string()},
  }};
};

struct IniCase {
  const char* what;
  std::optional<std::string> file;  // none: no file at all
  std::string value;                // what QSettings 6.4 gives
};

TEST(IniSettingParity, EachFileReadsAsQSettingsReadsIt) {
  const std::vector<IniCase> cases = {
      {"no file", std::nullopt, ""},
      {"plain", "[Asiakas]\nDatat=/srv/kassa/data/\n", "/srv/kassa/data/"},
      {"no such section", "[Kassa]\nDatat=/srv/\n", ""},
      {"no such key", "[Asiakas]\nData=/srv/\n", ""},
      {"empty value", "[Asiakas]\nDatat=\nMuu=/srv/\n", ""},
      {"only commas", "[Asiakas]\nDatat=,,\n", ",,"},
      {"the key in other sections", "[Kassa]\nDatat=/a/\n[Asiakas]\nDatat=/b/\n[Muut]\nDatat=/c/\n",
       "/b/"},
      {"the section twice", "[Asiakas]\nDatat=/a/\n[Muut]\nX=1\n[Asiakas]\nMuu=2\n", "/a/"},
      {"the key twice", "[Asiakas]\nDatat=/a/\n[Muut]\n[Asiakas]\nDatat=/b/\n", "/b/"},
      {"other case", "[asiakas]\nDatat=/a/\n[Asiakas]\nDATAT=/b/\ndatat=/c/\n", ""},
      {"spaces around", "  [ Asiakas ]  \n\t Datat \t=  /srv/data/ \t\n", "/srv/data/"},
      {"percent-encoded", "[Asi%61kas]\n%44at%U0061t=/a/\n", "/a/"},
      {"percent codes read as numbers", "[Asiakas]\n%U 044at%U0x61t=/a/\n%U\u00A0044atat=/b/\n",
       "/a/"},
      {"a later subsection hides the section", "[Asiakas]\nDatat=/a/\n[Asiakas\\Aa]\n", ""},
      {"comments", ";[Asiakas]\n[Asiakas] ; x\n;Datat=/a/\nDatat=/b/ ; c\n#Datat=/d/\n", "/b/"},
      {"; and # in values", "[Asiakas]\nDatat=/a#b/;c\n", "/a#b/"},
      {"quoted ; and ,", "[Asiakas]\nDatat=\"/a;b, c/\"\n", "/a;b, c/"},
      {"quotes in the middle", "[Asiakas]\nDatat=/a \"b c\" d  \n", "/a b cd  "},
      {"a list", "[Asiakas]\nDatat= a , \"b, c\" ,d \n", "a,b, c,d"},
      {"escapes", "[Asiakas]\nDatat=\\t\\x41\\101\\\"\\\\\\q\\x10042\n", "\tAA\"\\B"},
      {"a line continued", "[Asiakas]\nDatat=/srv/\\\n  kassa/\n", "/srv/  kassa/"},
      {"a backslash ending the file", "[Asiakas]\nDatat=/a/  \\", "/a/  "},
      {"CR LF and CR", "[Asiakas]\r\nMuu=1\rDatat=/srv/data/\r\n", "/srv/data/"},
      {"byte order mark", "\xEF\xBB\xBF[Asiakas]\nDatat=\xEF\xBB\xBF/a/\n", "/a/"},
      {"UTF-8", "[Asiakas]\nDatat=/srv/myymälä/€/\n", "/srv/myymälä/€/"},
      {"invalid UTF-8", "[Asiakas]\nDatat=/\xFF/\xE2\x82/\xC3", "/\uFFFD/\uFFFD\uFFFD/"},
      {"a sequence split by quotes", "[Asiakas]\nDatat=\xC3\"x\"\xA4\n", "\uFFFD\uFFFD"},
      {"surrogates", "[Asiakas]\nDatat=\\xD83D\\xDE00 \\xD83D\n", "\U0001F600 ?"},
      {"@String", "[Asiakas]\nDatat=@String(/a/)\n", "/a/"},
      {"@ByteArray", "[Asiakas]\nDatat=@ByteArray(/\\xc3\\xa4/)\n", "/ä/"},
      {"@Variant", "[Asiakas]\nDatat=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0/\\0\\x61)\n", "/a"},
      {"other typed values", "[Asiakas]\nDatat=@Invalid()\n", ""},
      {"@@", "[Asiakas]\nDatat=@@a,@@b\n", "@a,@b"},
      {"a list of typed values", "[Asiakas]\nDatat=a,@b\n", ""},
  };
  for (const IniCase& c : cases) {
    const SettingsHome home;
    SettingsHome::Write(home.user(), c.file);
    EXPECT_EQ(QtSetting(), c.value) << c.what;
    EXPECT_EQ(ReadDataPathSetting(), c.value) << c.what;
  }
}

TEST(IniSettingParity, TheSystemFilesAnswerWhatTheUsersDoesNotHold) {
  const std::string key = "[Asiakas]\nDatat=/a/\n";
  struct Case {
    std::optional<std::string> user;
    std::optional<std::string> system1;
    std::optional<std::string> system2;
    std::string value;
  };
  const std::vector<Case> cases = {
      {std::nullopt, std::nullopt, key, "/a/"},
      {"[Asiakas]\nMuu=1\n", "[Asiakas]\nDatat=/b/\n", key, "/b/"},
      {"[Asiakas]\nDatat=\n", key, key, ""},
      {"[Asiakas]\nDatat=@Invalid()\n", key, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    const SettingsHome home;
    SettingsHome::Write(home.user(), c.user);
    SettingsHome::Write(home.system(1), c.system1);
    SettingsHome::Write(home.system(2), c.system2);
    EXPECT_EQ(QtSetting(), c.value);
    EXPECT_EQ(ReadDataPathSetting(), c.value);
  }
}

TEST(IniSettingParity, FilesAreLookedForWhereQSettingsLooks) {
  const DataDirectory current;
  const fs::path previous = fs::current_path();
  fs::current_path(current.path());
  const std::vector<ScopedEnvironment::Variables> environments = {
      {{"XDG_CONFIG_HOME", "/srv//kassa/./a/../asetukset/"}, {"XDG_CONFIG_DIRS", std::nullopt}},
      {{"XDG_CONFIG_HOME", "suhteellinen"}, {"XDG_CONFIG_DIRS", "/etc/a:b/../c::/etc/a/"}},
      {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/kassa"}, {"XDG_CONFIG_DIRS", ""}},
      {{"XDG_CONFIG_HOME", std::nullopt}, {"HOME", std::nullopt}, {"XDG_CONFIG_DIRS", "/../../x"}},
  };
  for (const ScopedEnvironment::Variables& variables : environments) {
    const ScopedEnvironment environment(variables);
    const std::string userFile =
        InChildProcess([] { return UserSettings().fileName().toStdString(); });
    EXPECT_EQ(DataPathSettingSource(),
              "asetustiedoston " + userFile + " osion [Asiakas] asetuksesta Datat");
    // QSettings asks the file in each of these after the user's.
    const std::string systemFiles = InChildProcess([] {
      std::string files;
      for (const QString& directory :
           QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1)) {
        const QString file = directory + u'/' + QString::fromUtf8(kFileName);
        files += QFileInfo(file).absoluteFilePath().toStdString() + "\n";
      }
      return files;
    });
    std::string ours;
    for (const std::string& file : SystemSettingsFiles(kFileName)) {
      ours += file + "\n";
    }
    EXPECT_EQ(ours, systemFiles);
  }
  fs::current_path(previous);
}

}  // namespace
}  // namespace kuitti::test
