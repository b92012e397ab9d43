// kuittikopio-text.exe as Windows runs it: Windows paths and the registry setting, arguments
// in UTF-16, the regional decimal separator, and the PDF it makes without Qt.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cli/Platform.h"
#include "support/DataFiles.h"
#include "support/Golden.h"
#include "support/GoldenData.h"
#include "support/Process.h"

namespace kuitti::test {
namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// The golden store in a folder of the given name inside a fresh directory.
class NamedStore {
 public:
  explicit NamedStore(const std::filesystem::path& name) : folder_(parent_.path() / name) {
    DataDirectory files;
    WriteGoldenStore(files);
    std::filesystem::create_directory(folder_);
    for (const char* file : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
      std::filesystem::copy_file(files.path() / file, folder_ / file);
    }
  }
  std::string Path() const { return Utf8(folder_); }

 private:
  DataDirectory parent_;
  std::filesystem::path folder_;
};

Outcome RunText(std::vector<std::string> arguments,
                std::vector<std::string> environment = {"LC_ALL=fi_FI.UTF-8"}) {
  return RunProgram(KUITTI_TEXT_BINARY, {std::move(arguments), std::move(environment), ""});
}

TEST(WindowsRenderer, DataPathsOfEveryWindowsForm) {
  const NamedStore plain("kassa");
  const NamedStore finnish(u8"Myymälä Äö");
  struct Case {
    std::string dataPath;
    std::string why;
  };
  const std::vector<Case> cases = {
      {plain.Path(), "a drive path without the final separator"},
      {plain.Path() + "\\", "a drive path with it"},
      {plain.Path() + "/", "a forward slash as the separator"},
      {finnish.Path(), "non-ASCII folder names, as UTF-16 arguments"},
      {"\\\\?\\" + finnish.Path() + "\\", "the long-path form"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunText({"--data", c.dataPath, "123456"});
    EXPECT_EQ(outcome.exitCode, 0) << c.why << ": " << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, "maito_rows.txt")) << c.why;
  }
}

TEST(WindowsRenderer, PathsGoToWindowsWholeAndUnchanged) {
  // No network share is reachable here: what shows is that the server and share part reach
  // the API whole, with one separator added and none changed. Wine reports a share or drive
  // that is not there as a missing folder; Windows as one it cannot reach.
  struct Case {
    std::string dataPath;
    std::string folder;
  };
  const std::vector<Case> cases = {
      {"\\\\kassa\\data", "\\\\kassa\\data\\"},
      {"\\\\kassa\\data\\", "\\\\kassa\\data\\"},
      {"\\\\kassa.local\\Myymälä\\data/", "\\\\kassa.local\\Myymälä\\data/"},
      {"Q:\\Data", "Q:\\Data\\"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunText({"--data", c.dataPath, "123456"});
    EXPECT_EQ(outcome.exitCode, 2) << c.dataPath;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "Virhe 76: Kansiota ei ole olemassa: " + c.folder + "\n");
  }
}

TEST(WindowsRenderer, TheRegistrySettingIsUsedAsStored) {
  const NamedStore store(u8"Myymälä");
  DataDirectory home;
  const UserSetting setting(home.path());
  const std::string advice = "Datakansio luetaan " + setting.Source();

  setting.Write(store.Path() + "\\");
  const Outcome fetched = RunText({"123456"});
  EXPECT_EQ(fetched.exitCode, 0) << fetched.err;
  EXPECT_TRUE(MatchesGolden(fetched.out, "maito_rows.txt"));

  setting.Write(store.Path());  // no separator is added to the setting
  const Outcome joined = RunText({"123456"});
  EXPECT_EQ(joined.exitCode, 2);
  EXPECT_EQ(joined.err, "Virhe 53: Tiedostoa ei löydy: " + store.Path() + "CASSA.001\n" + advice +
                            ", jonka arvo \"" + store.Path() +
                            "\" ei pääty merkkiin \"\\\". Arvon pitää päättyä siihen, koska "
                            "tiedostonimet liitetään arvoon sellaisenaan.\n");

  // Well formed, but a folder, drive or share that is not there: named, with the setting (as
  // above, wine takes a share or drive for a missing folder).
  for (const std::string& folder :
       {store.Path() + "\\puuttuu\\", std::string("\\\\kassapalvelin\\data\\"),
        std::string("Q:\\kassa\\")}) {
    setting.Write(folder);
    EXPECT_EQ(RunText({"123456"}).err,
              "Virhe 76: Kansiota ei ole olemassa: " + folder + "\n" + advice +
                  ", jonka arvo on \"" + folder +
                  "\". Tarkista, että kansio on olemassa ja että siihen saadaan yhteys.\n");
  }
}

// The user's own decimal separator, as the regional settings dialog stores it over the
// locale's; the one that was there is put back afterwards.
class CustomDecimalSeparator {
 public:
  explicit CustomDecimalSeparator(const std::wstring& separator) {
    wchar_t old[16] = {};
    DWORD size = sizeof old;
    had_ = ::RegGetValueW(HKEY_CURRENT_USER, kInternational, L"sDecimal", RRF_RT_REG_SZ, nullptr,
                          old, &size) == ERROR_SUCCESS;
    old_ = old;
    Set(separator);
  }
  ~CustomDecimalSeparator() {
    if (had_) {
      Set(old_);
    } else {
      ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kInternational, L"sDecimal");
    }
  }
  CustomDecimalSeparator(const CustomDecimalSeparator&) = delete;
  CustomDecimalSeparator& operator=(const CustomDecimalSeparator&) = delete;

 private:
  static constexpr wchar_t kInternational[] = L"Control Panel\\International";

  static void Set(const std::wstring& value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kInternational, L"sDecimal", REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

  bool had_ = false;
  std::wstring old_;
};

TEST(WindowsRenderer, TheDecimalSeparatorIsTheUsersRegionalOne) {
  const NamedStore store("kassa");
  // The tests run under the Finnish locale (LC_ALL, which wine takes the settings from).
  const Outcome finnish = RunText({"--data", store.Path(), "123456"});
  EXPECT_EQ(finnish.exitCode, 0) << finnish.err;
  EXPECT_TRUE(MatchesGolden(finnish.out, "maito_rows.txt"));
  struct Case {
    std::wstring custom;
    std::string golden;
  };
  for (const Case& c :
       std::vector<Case>{{L".", "maito_rows_point.txt"}, {L",", "maito_rows.txt"}}) {
    const CustomDecimalSeparator custom(c.custom);
    const Outcome outcome = RunText({"--data", store.Path(), "123456"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, c.golden)) << c.golden;
  }
}

// "/?" is Windows' way of asking for help: both programs answer it as they answer --help,
// the window program also to a redirected standard output.
TEST(WindowsCommandLine, SlashQuestionMarkGivesTheHelp) {
  const Outcome textHelp = RunText({"--help"});
  const Outcome windowHelp =
      RunProgram(KUITTI_WINDOW_BINARY, {{"--help"}, {"LC_ALL=fi_FI.UTF-8"}, ""});
  EXPECT_EQ(windowHelp.exitCode, 0);
  EXPECT_EQ(windowHelp.out.rfind("Käyttö: kuittikopio [/? | --help | --version]\n", 0), 0)
      << windowHelp.out;
  struct Case {
    std::string program;
    std::vector<std::string> arguments;
    const Outcome& expected;
  };
  for (const Case& c : std::vector<Case>{{KUITTI_TEXT_BINARY, {"/?"}, textHelp},
                                         {KUITTI_TEXT_BINARY, {"--data", "C:\\", "/?"}, textHelp},
                                         {KUITTI_WINDOW_BINARY, {"/?"}, windowHelp},
                                         {KUITTI_WINDOW_BINARY, {"-x", "/?"}, windowHelp}}) {
    const Outcome outcome = RunProgram(c.program, {c.arguments, {"LC_ALL=fi_FI.UTF-8"}, ""});
    EXPECT_EQ(outcome.exitCode, 0) << c.program << " " << c.arguments.back();
    EXPECT_EQ(outcome.out, c.expected.out) << c.program << " " << c.arguments.back();
  }
  // After "--" it is what the user typed, a voucher that is not there.
  EXPECT_EQ(RunText({"--data", "C:\\", "--", "/?"}).exitCode, 2);

  const Outcome version = RunProgram(KUITTI_WINDOW_BINARY, {{"--version"}, {}, ""});
  EXPECT_EQ(version.out, "kuittikopio " KUITTI_VERSION "\n");
  const Outcome wrong = RunProgram(KUITTI_WINDOW_BINARY, {{"--tulosta"}, {}, ""});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_EQ(wrong.err,
            "kuittikopio: tuntematon valitsin --tulosta\nKäyttö: kuittikopio [/? | --help | "
            "--version]\n");
}

// --pdf as on Linux: the file appears whole or not at all, an existing file survives a failure,
// a device is written into and "-" is standard output.
TEST(WindowsRenderer, APdfIsWrittenWholeOrNotAtAll) {
  const NamedStore store("kassa");
  const Outcome help = RunText({"--help"});
  EXPECT_NE(help.out.find("--pdf TIEDOSTO"), std::string::npos);
  EXPECT_EQ(help.out.find('\r'), std::string::npos) << "LF stays LF: binary mode";

  DataDirectory target;
  const std::string folder = Utf8(target.path());
  const std::string readOnly = folder + "\\vanha.pdf";
  { std::ofstream(readOnly) << "vanha"; }
  ::SetFileAttributesW(std::filesystem::path(target.path() / "vanha.pdf").c_str(),
                       FILE_ATTRIBUTE_READONLY);
  struct Case {
    std::string pdf;
    std::string voucher;
    int exitCode;
    std::string err;
  };
  const std::vector<Case> cases = {
      {folder + "\\kopio.pdf", "123456", 0, ""},
      {folder + "\\kopio.pdf", "000042", 0, ""},
      {"NUL", "123456", 0, ""},
      {folder + "\\ei.pdf", "999999", 1, "Kuittia ei löydy tositenumerolla M999999-001\n"},
      {readOnly, "123456", 2, "Virhe 75: Tiedostoa ei voi kirjoittaa: " + readOnly + "\n"},
      {folder + "\\puuttuu\\kopio.pdf", "123456", 2,
       "Virhe 76: Hakemistoa ei löydy: " + folder + "\\puuttuu\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunText({"--data", store.Path(), "--pdf", c.pdf, c.voucher});
    EXPECT_EQ(outcome.exitCode, c.exitCode) << c.pdf << " " << c.voucher;
    EXPECT_EQ(outcome.err, c.err) << c.pdf;
    EXPECT_EQ(outcome.out, "");
  }
  // The second copy replaced the first, whole; nothing else was left behind.
  const std::string pdf = ReadFileBytes(target.path() / "kopio.pdf");
  EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n")) << pdf.substr(0, 20);
  EXPECT_TRUE(pdf.ends_with("%%EOF\n"));
  EXPECT_NE(pdf.find("(Kuittikopio, tositenumero M000042-001) Tj"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(target.path() / "vanha.pdf"), "vanha");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(target.path())) {
    names.push_back(Utf8(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"kopio.pdf", "vanha.pdf"}));
  ::SetFileAttributesW(std::filesystem::path(target.path() / "vanha.pdf").c_str(),
                       FILE_ATTRIBUTE_NORMAL);

  const Outcome standardOutput = RunText({"--data", store.Path(), "--pdf", "-", "123456"});
  EXPECT_EQ(standardOutput.exitCode, 0) << standardOutput.err;
  EXPECT_TRUE(standardOutput.out.starts_with("%PDF-1.4\n"));
  EXPECT_NE(standardOutput.out.find("(Kuittikopio, tositenumero M123456-001) Tj"),
            std::string::npos);
}

}  // namespace
}  // namespace kuitti::test
