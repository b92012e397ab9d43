#include <gtest/gtest.h>

#include <filesystem>

#include "cli/Platform.h"
#include "support/DataFiles.h"
#include "support/Golden.h"
#include "support/GoldenData.h"
#include "support/Process.h"

namespace kuitti::test {
namespace {

// A home of its own, so no setting of the machine's user is read.
class Renderer {
 public:
  Renderer() : setting_(home_.path()) {}

  const UserSetting& Setting() const { return setting_; }

  Outcome Run(std::vector<std::string> arguments,
              std::vector<std::string> locale = {"LC_ALL=fi_FI.UTF-8"},
              std::string workingDirectory = "") const {
    std::vector<std::string> environment = setting_.Environment();
    environment.insert(environment.end(), locale.begin(), locale.end());
    return RunProgram(KUITTI_TEXT_BINARY,
                      {std::move(arguments), std::move(environment),
                       workingDirectory.empty() ? home_.path().string() : workingDirectory});
  }

 private:
  DataDirectory home_;
  UserSetting setting_;
};

std::string Directory(const DataDirectory& directory) {
  return directory.path().string();
}

TEST(Renderer, PrintsTheGoldenCopies) {
  DataDirectory store;
  WriteGoldenStore(store);
  Renderer renderer;
  struct Case {
    std::vector<std::string> arguments;
    std::string golden;
    std::string warnings = "";
  };
  // Hand-made vouchers of item rows only read as a receipt still being written.
  const std::string kNoTotals =
      "Varoitus: Kuitin yhteenvetorivi puuttuu: kuitti voi olla vielä kesken. Hae se hetken "
      "kuluttua uudelleen.\n";
  const std::vector<Case> cases = {
      {{"--data", Directory(store), "123456"}, "maito_rows.txt"},
      {{"--data", Directory(store) + "/", "123456"}, "maito_rows.txt"},
      {{"--data", Directory(store), "--", "000500"},
       "two_totals_interleaved.txt",
       "Varoitus: Tositenumerolla löytyi useampi eri kuitti (01.01.2023 3,75 ja 01.01.2023 "
       "-7,37); kopio näyttää ne yhdessä.\n"},
      {{"--data", Directory(store), "  000042 "}, "entry_with_spaces.txt"},
      {{"--data", Directory(store), "000800"}, "control_characters.txt", kNoTotals},
      {{"--data", Directory(store), "000900"},
       "wide_values.txt",
       kNoTotals + "Varoitus: ALV-prosentti 1000 (rivi 003) ei ole kelvollinen prosentti; kopion "
                   "ALV-erittely ei pidä paikkaansa.\n"},
      {{"000100", "--data", Directory(store)}, "vat_summary.txt", kNoTotals},
      {{"--data", Directory(store), "001000"},
       "long_quantities.txt",
       "Varoitus: ALV-prosentti 255 (rivi 003) ei ole kelvollinen prosentti; kopion "
       "ALV-erittely ei pidä paikkaansa.\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = renderer.Run(c.arguments);
    EXPECT_EQ(outcome.exitCode, 0) << c.golden << ": " << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, c.golden));
    EXPECT_EQ(outcome.err, c.warnings) << c.golden;
  }
}

// Windows takes the separator from the user's regional settings instead (WindowsCliTest.cpp).
#ifndef _WIN32
TEST(Renderer, DecimalSeparatorFollowsTheLocaleVariables) {
  DataDirectory store;
  WriteGoldenStore(store);
  Renderer renderer;
  struct Case {
    std::vector<std::string> locale;
    std::string golden;
  };
  const std::string comma = "maito_rows.txt";
  const std::string point = "maito_rows_point.txt";
  const std::vector<Case> cases = {
      {{"LC_ALL=fi_FI.UTF-8"}, comma},
      // glibc has only fi_FI.UTF-8 here, and a locale it lacks leaves the C locale's point.
      {{"LC_ALL=fi_FI"}, point},
      {{"LC_ALL=C"}, point},
      {{"LC_ALL=en_US.UTF-8"}, point},
      {{"LANG=fi_FI.UTF-8"}, comma},
      {{"LANG=C"}, point},
      {{"LANG=en_US.UTF-8"}, point},
      {{"LC_NUMERIC=fi_FI.UTF-8", "LANG=C"}, comma},
      {{"LC_NUMERIC=C", "LANG=fi_FI.UTF-8"}, point},
      {{"LC_ALL=C", "LC_NUMERIC=fi_FI.UTF-8", "LANG=fi_FI.UTF-8"}, point},
      {{"LC_ALL=fi_FI.UTF-8", "LC_NUMERIC=C", "LANG=C"}, comma},
      {{}, point},
  };
  for (const Case& c : cases) {
    const Outcome outcome = renderer.Run({"--data", Directory(store), "123456"}, c.locale);
    std::string settings;
    for (const std::string& variable : c.locale) {
      settings += variable + " ";
    }
    EXPECT_EQ(outcome.exitCode, 0) << settings << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, c.golden)) << settings;
  }
}
#endif

TEST(Renderer, NotFoundGoesToStandardErrorWithExitOne) {
  DataDirectory store;
  WriteGoldenStore(store);
  Renderer renderer;
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--data", Directory(store), "999999"}, "Kuittia ei löydy tositenumerolla M999999-001\n"},
      {{"--data", Directory(store), " 12 "}, "Kuittia ei löydy tositenumerolla M 12 -001\n"},
      {{"--data", Directory(store), ""}, "Kuittia ei löydy tositenumerolla M-001\n"},
      {{"--data", Directory(store), "000410"}, "Kuittia ei löydy tositenumerolla M000410-001\n"},
      {{"--data", Directory(store), "ab1234"}, "Kuittia ei löydy tositenumerolla Mab1234-001\n"},
      {{"--data", Directory(store), "--", "--help"},
       "Kuittia ei löydy tositenumerolla M--help-001\n"},
      {{"--data", Directory(store), "ÄÖ"}, "Kuittia ei löydy tositenumerolla MÄÖ-001\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = renderer.Run(c.arguments);
    EXPECT_EQ(outcome.exitCode, 1) << c.message;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, c.message);
  }
}

TEST(Renderer, ErrorsGoToStandardErrorInFinnishNamingFileAndRecordWithExitTwo) {
  Renderer renderer;
  DataDirectory overflow;  // the row sum of record 17 overflows, after 16 rows of another voucher
  std::vector<Row> rows(16, Row{.voucher = "000002"});
  rows.push_back(
      Row{.voucher = "000001", .productCode = "1", .priceRaw = INT64_MAX, .quantityRaw = 20000});
  overflow.WriteAll({}, rows);
  DataDirectory noTotals;  // 51 VAT rates: the copy is half written when it fails
  rows.clear();
  for (std::int16_t rate = 1; rate <= 51; ++rate) {
    rows.push_back(Row{.kind = "A", .voucher = "000001", .productCode = "1", .vatRate = rate});
  }
  noTotals.WriteAll({}, rows);
  DataDirectory minus100;
  minus100.WriteAll({},
                    {Row{.kind = "A", .voucher = "000001", .productCode = "1", .vatRate = -100}});
  DataDirectory badDate;
  badDate.WriteAll({}, {Row{.voucher = "000002"}, Row{.voucher = "000001", .saleTime = 2958466}});
  DataDirectory badProductRecord;  // the index sends product 1 to record 0 of CASSA.002
  badProductRecord.WriteAll({{"1", "Maito"}}, {Row{.voucher = "000001", .productCode = "1"}});
  badProductRecord.Write("CASSA.001", IndexRecord("1", 0));
  DataDirectory withoutCassa005;
  withoutCassa005.WriteAll({}, {});
  std::filesystem::remove(withoutCassa005.path() / "CASSA.005");

  struct Case {
    std::string directory;
    std::string message;
  };
  const auto rowsFile = [](const DataDirectory& d) {
    return Directory(d) + kSeparator + "CASSA.004";
  };
  const std::vector<Case> cases = {
      {Directory(overflow), "Virhe 6: Ylivuoto (tiedosto " + rowsFile(overflow) + ", tietue 17)\n"},
      {Directory(noTotals), "Virhe 9: Kuitilla on yli 50 eri ALV-prosenttia (tiedosto " +
                                rowsFile(noTotals) + ", tietue 51)\n"},
      {Directory(minus100),
       "Virhe 11: Jako nollalla: ALV-prosentti -100 (ALV-yhteenveto, tiedosto " +
           rowsFile(minus100) + ")\n"},
      {Directory(badDate), "Virhe 6: Ylivuoto (tiedosto " + rowsFile(badDate) + ", tietue 2)\n"},
      {Directory(badProductRecord),
       "Virhe 63: Virheellinen tietuenumero 0 tuotekoodilla 1 tiedostossa " +
           Directory(badProductRecord) + kSeparator + "CASSA.001 (tiedosto " +
           rowsFile(badProductRecord) + ", tietue 1)\n"},
      {Directory(withoutCassa005),
       "Virhe 53: Tiedostoa ei löydy: " + Directory(withoutCassa005) + kSeparator + "CASSA.005\n"},
      {Directory(overflow) + "/puuttuu", "Virhe 76: Kansiota ei ole olemassa: " +
                                             Directory(overflow) + "/puuttuu" + kSeparator + "\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = renderer.Run({"--data", c.directory, "000001"});
    EXPECT_EQ(outcome.exitCode, 2) << c.message;
    EXPECT_EQ(outcome.out, "") << c.message;
    EXPECT_EQ(outcome.err, c.message);
  }
}

TEST(Renderer, DataDirectoryFromTheOptionOrTheSetting) {
  DataDirectory store;
  WriteGoldenStore(store);
  const auto advice = [](const Renderer& renderer, const std::string& value) {
    const std::string where = "Datakansio luetaan " + renderer.Setting().Source();
    if (value.empty()) {
      return where +
             ", jota ei ole asetettu. Arvon pitää olla datakansion polku, joka päättyy "
             "merkkiin \"" +
             kSeparator + "\".\n";
    }
    return where + ", jonka arvo \"" + value + "\" ei pääty merkkiin \"" + kSeparator +
           "\". Arvon pitää päättyä siihen, koska tiedostonimet liitetään arvoon sellaisenaan.\n";
  };

  {  // An empty --data names files in the working directory; no word of the setting.
    Renderer renderer;
    const Outcome outcome =
        renderer.Run({"--data", "", "123456"}, {"LC_ALL=fi_FI.UTF-8"}, Directory(store));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, "maito_rows.txt"));
    EXPECT_EQ(renderer.Run({"--data", "", "123456"}).err,
              "Virhe 53: Tiedostoa ei löydy: CASSA.001\n");
  }
  {  // Without --data the setting is used as stored.
    Renderer renderer;
    renderer.Setting().Write(Directory(store) + "/");
    const Outcome outcome = renderer.Run({"123456"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_TRUE(MatchesGolden(outcome.out, "maito_rows.txt"));

    renderer.Setting().Write(Directory(store));  // no separator is added to the setting
    const Outcome joined = renderer.Run({"123456"});
    EXPECT_EQ(joined.exitCode, 2);
    EXPECT_EQ(joined.err, "Virhe 53: Tiedostoa ei löydy: " + Directory(store) + "CASSA.001\n" +
                              advice(renderer, Directory(store)));

    // A wrong folder, well formed: the folder named, and where the setting is, for IT to mend.
    const std::string wrong = Directory(store) + "/puuttuu/";
    renderer.Setting().Write(wrong);
    EXPECT_EQ(renderer.Run({"123456"}).err,
              "Virhe 76: Kansiota ei ole olemassa: " + wrong + "\nDatakansio luetaan " +
                  renderer.Setting().Source() + ", jonka arvo on \"" + wrong +
                  "\". Tarkista, että kansio on olemassa ja että siihen saadaan yhteys.\n");
    // A file missing from a folder that is there: the file alone.
    renderer.Setting().Write(Directory(store) + "/");
    std::filesystem::remove(store.path() / "CASSA.005");
    EXPECT_EQ(renderer.Run({"123456"}).err,
              "Virhe 53: Tiedostoa ei löydy: " + Directory(store) + "/CASSA.005\n");
  }
  {  // No setting at all: the working directory.
    Renderer renderer;
    const Outcome outcome = renderer.Run({"123456"});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.err, "Virhe 53: Tiedostoa ei löydy: CASSA.001\n" + advice(renderer, ""));
  }
}

TEST(Renderer, CommandLineMistakesHelpAndVersion) {
  Renderer renderer;
  const Outcome help = renderer.Run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--data"), std::string::npos);
  EXPECT_NE(help.out.find(kDecimalSeparatorSource), std::string::npos);

  // Answered without the data files or the setting being looked at.
  const Outcome version = renderer.Run({"--data", "/nonexistent", "--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "kuittikopio-text " KUITTI_VERSION "\n");
  EXPECT_EQ(version.err, "");

  // A mistake is named on one line, the usage follows; the help has it at its start.
  const std::string usage = help.out.substr(0, help.out.find("\n\n") + 1);
  EXPECT_TRUE(usage.starts_with("Käyttö: kuittikopio-text [--data KANSIO]")) << usage;
  struct Case {
    std::vector<std::string> arguments;
    std::string mistake;
  };
  for (const Case& c : std::vector<Case>{
           {{}, "tositenumero puuttuu"},
           {{"--data"}, "valitsimen --data arvo puuttuu"},
           {{"--data", "/tmp"}, "tositenumero puuttuu"},
           {{"--bogus", "123456"}, "tuntematon valitsin --bogus"},
           {{"123456", "654321"}, "ylimääräinen argumentti 654321"},
           {{"104233", "extra"}, "ylimääräinen argumentti extra"},
           {{"--pdf"}, "valitsimen --pdf arvo puuttuu"},
           {{"--pdf", "", "123456"}, "valitsimen --pdf tiedostonimi on tyhjä"},
           {{"--help=1"}, "tuntematon valitsin --help=1"},
       }) {
    const Outcome outcome = renderer.Run(c.arguments);
    EXPECT_EQ(outcome.exitCode, 2) << c.mistake;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "kuittikopio-text: " + c.mistake + "\n" + usage);
  }
}

TEST(Renderer, FindExitCodesAndMessages) {
  DataDirectory store;
  WriteGoldenStore(store);
  Renderer renderer;
  const std::string data = Directory(store);
  const Outcome listed = renderer.Run({"--data", data, "--find", "--number", "500"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_TRUE(listed.out.starts_with("M000500-001  ")) << listed.out;
  EXPECT_EQ(listed.err, "");

  const Outcome none = renderer.Run({"--data", data, "--find", "--amount", "-123456,78"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "Kuitteja ei löytynyt.\n");
  // The smallest total a row can hold is a criterion like any other.
  EXPECT_EQ(renderer.Run({"--data", data, "--find", "--amount", "-922337203685477,5808"}).exitCode,
            1);

  const Outcome failed = renderer.Run({"--data", data + "/puuttuu", "--find"});
  EXPECT_EQ(failed.exitCode, 2);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err,
            "Virhe 76: Kansiota ei ole olemassa: " + data + "/puuttuu" + kSeparator + "\n");
  // Without --data and without a setting, the advice on the setting follows, as for a fetch.
  const Outcome unset = renderer.Run({"--find"});
  EXPECT_EQ(unset.exitCode, 2);
  EXPECT_TRUE(unset.err.starts_with("Virhe 53: Tiedostoa ei löydy: CASSA.004\nDatakansio"))
      << unset.err;

  struct Case {
    std::vector<std::string> criteria;
    std::string mistake;
  };
  for (const Case& c : std::vector<Case>{
           {{"--date", "31.02.2025"}, "päivä 31.02.2025 ei ole olemassa"},
           {{"--date", "27.03.2025", "--from", "27.03.2025"},
            "valitsinta --date ei voi antaa yhdessä valitsimien --from ja --to kanssa"},
           {{"--from", "2025-3-1"}, "päivä 2025-3-1 ei ole muotoa PP.KK.VVVV tai VVVV-KK-PP"},
           {{"--to"}, "valitsimen --to arvo puuttuu"},
           {{"--amount", "abc"},
            "summa abc ei kelpaa: anna esimerkiksi 20,19, 20.19, -0,01 tai 7, enintään neljä "
            "desimaalia"},
           {{"--amount", "20,19191"},
            "summa 20,19191 ei kelpaa: anna esimerkiksi 20,19, 20.19, -0,01 tai 7, enintään "
            "neljä desimaalia"},
           {{"--amount", "1,234,5"},
            "summa 1,234,5 ei kelpaa: anna esimerkiksi 20,19, 20.19, -0,01 tai 7, enintään "
            "neljä desimaalia"},
           {{"--amount", "-922337203685477,5809"},
            "summa -922337203685477,5809 ei kelpaa: anna esimerkiksi 20,19, 20.19, -0,01 tai 7, "
            "enintään neljä desimaalia"},
           {{"--amount", "20,19", "--amount", "7"}, "valitsin --amount on annettu kahdesti"},
           {{"--product", " "}, "valitsimen --product tuotekoodi on tyhjä"},
           {{"--number", "10 001"}, "tositenumerossa 10 001 saa olla vain numeroita"},
           {{"--number", "-1"}, "tositenumerossa -1 saa olla vain numeroita"},
           {{"--number", "M103871"}, "tositenumerossa M103871 saa olla vain numeroita"},
           {{"123456"}, "ylimääräinen argumentti 123456"},
           {{"--find"}, "valitsin --find on annettu kahdesti"},
           {{"--pdf", "kopio.pdf"},
            "valitsinta --pdf ei voi antaa yhdessä valitsimen --find kanssa"},
       }) {
    std::vector<std::string> arguments = {"--data", data, "--find"};
    arguments.insert(arguments.end(), c.criteria.begin(), c.criteria.end());
    const Outcome outcome = renderer.Run(arguments);
    EXPECT_EQ(outcome.exitCode, 2) << c.mistake;
    EXPECT_EQ(outcome.out, "");
    const std::string line = "kuittikopio-text: " + c.mistake + "\n";
    EXPECT_TRUE(outcome.err.starts_with(line + "Käyttö: ")) << outcome.err;
  }
  // An entry before --find, and criteria without it.
  EXPECT_TRUE(renderer.Run({"--data", data, "123456", "--find"})
                  .err.starts_with("kuittikopio-text: ylimääräinen argumentti 123456\n"));
  const Outcome alone = renderer.Run({"--data", data, "--date", "27.03.2025"});
  EXPECT_EQ(alone.exitCode, 2);
  EXPECT_TRUE(alone.err.starts_with(
      "kuittikopio-text: valitsin --date kuuluu valitsimen --find jälkeen\nKäyttö: "))
      << alone.err;
}

}  // namespace
}  // namespace kuitti::test
