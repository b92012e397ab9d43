// Form1's steps against a recording window and a fake printer: what a fetch and a print do,
// in what order, for every outcome; the same for every toolkit.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "app/Form1Steps.h"
#include "app/RecordingWindow.h"
#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"
#include "support/DataFiles.h"
#include "support/FakePrinter.h"
#include "support/Golden.h"
#include "support/GoldenData.h"

namespace kuitti::test {
namespace {

// The report names the error and the data directory it was given, so a test sees both.
std::string Report(const RuntimeError& error, const std::string& dataPath) {
  return std::string(error.what()) + " | " + dataPath;
}

class Form1StepsTest : public testing::Test {
 protected:
  Form1StepsTest()
      : steps(
            window, printer,
            [this](std::string_view copy, const std::string& path) {
              if (!pdfFailure.empty()) {
                throw RuntimeError(kPathNotFound, pdfFailure);
              }
              savedPdfs.emplace_back(copy, path);
            },
            SystemFileSystem(), NumberFormat{","}, Report) {
    WriteGoldenStore(store);
    steps.SetDataPath(store.DataPath());
  }

  void Fetch(std::string_view entry) {
    window.Type(Control::kText2, entry);
    steps.HaeKuitti();
  }

  bool BothCommandsEnabled() const {
    return window.enabled.at(Control::kCommand1) && window.enabled.at(Control::kCommand3);
  }

  DataDirectory store;
  RecordingWindow window;
  PrinterScript script;
  FakePrinter printer{script};
  std::vector<std::pair<std::string, std::string>> savedPdfs;  // copy, path
  std::string pdfFailure;  // a description the PDF writer fails with, if any
  Form1Steps steps;
};

using Calls = std::vector<std::string>;

TEST_F(Form1StepsTest, AFetchTurnsBothCommandsOffShowsTheCopyAndReadiesTheNextNumber) {
  Fetch("123456");
  EXPECT_TRUE(MatchesGolden(window.texts[Control::kText1], "maito_rows.txt"));
  EXPECT_EQ(window.calls, (Calls{"SetEnabled Command1 0", "SetEnabled Command3 0", "SetBusy 1",
                                 "SetText Text1", "SetBusy 0", "SetEnabled Command1 1",
                                 "SetEnabled Command3 1", "FocusAndSelectAll Text2"}));
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(Form1StepsTest, EveryOutcomeReplacesTheCopyAndEndsReadyForTheNextNumber) {
  const std::string kHint = "\nVoit etsiä kuittia päivän, summan tai tuotteen mukaan: Ctrl+F.";
  const std::string missing = store.DataPath() + "puuttuu/";
  struct Case {
    const char* what;
    std::string entry;
    std::string dataPath;
    std::string golden;   // the copy shown; none: the box is emptied
    std::string message;  // none: no message
    bool messageWhileBusy;
  };
  const std::vector<Case> cases = {
      {"a copy", "123456", store.DataPath(), "maito_rows.txt", "", false},
      {"spaces kept", "  000042 ", store.DataPath(), "entry_with_spaces.txt", "", false},
      {"not found", "999999", store.DataPath(), "", NotFoundMessage("999999") + kHint, true},
      {"nothing typed", "", store.DataPath(), "", NotFoundMessage("") + kHint, true},
      {"an error", "123456", missing, "",
       "Virhe 76: Kansiota ei ole olemassa: " + missing + " | " + missing, false},
  };
  for (const Case& c : cases) {
    steps.SetDataPath(store.DataPath());
    Fetch("000500");  // some other copy in the box first
    ASSERT_TRUE(MatchesGolden(window.texts[Control::kText1], "two_totals_interleaved.txt"));
    window.calls.clear();
    window.messages.clear();
    window.busyAtMessage.clear();

    steps.SetDataPath(c.dataPath);
    Fetch(c.entry);
    if (c.golden.empty()) {
      EXPECT_EQ(window.texts[Control::kText1], "") << c.what;
    } else {
      EXPECT_TRUE(MatchesGolden(window.texts[Control::kText1], c.golden)) << c.what;
    }
    if (c.message.empty()) {
      EXPECT_TRUE(window.messages.empty()) << c.what;
    } else {
      EXPECT_EQ(window.messages, std::vector<std::string>{c.message}) << c.what;
      EXPECT_EQ(window.busyAtMessage, std::vector<bool>{c.messageWhileBusy}) << c.what;
    }
    EXPECT_TRUE(BothCommandsEnabled()) << c.what;
    EXPECT_FALSE(window.busy) << c.what;
    EXPECT_EQ(window.calls.back(), "FocusAndSelectAll Text2") << c.what;
  }
}

TEST_F(Form1StepsTest, TheNumberAsTheCopyPrintsItFetchesItsVoucherAndStaysAsSixCharacters) {
  struct Case {
    std::string entry;
    std::string box;  // Text2 after the fetch
    bool found;
  };
  const std::vector<Case> cases = {
      {"M123456-001", "123456", true},
      {" m123456 ", "123456", true},
      // Anything else is looked up as typed, and not found here.
      {"M123456-001-001", "M123456-001-001", false},
      {"X123456", "X123456", false},
  };
  for (const Case& c : cases) {
    window.messages.clear();
    Fetch(c.entry);
    EXPECT_EQ(window.texts[Control::kText2], c.box) << c.entry;
    if (c.found) {
      EXPECT_TRUE(MatchesGolden(window.texts[Control::kText1], "maito_rows.txt")) << c.entry;
      EXPECT_TRUE(window.messages.empty()) << c.entry;
    } else {
      ASSERT_EQ(window.messages.size(), 1u) << c.entry;
      EXPECT_TRUE(window.messages[0].starts_with(NotFoundMessage(c.entry))) << c.entry;
    }
  }
}

TEST_F(Form1StepsTest, AWarningFollowsTheCopyInOneMessage) {
  // Cut as a till leaves a receipt it is still writing: its items, no totals row yet.
  const DataDirectory cut;
  cut.WriteAll({{"6410000000011", "Maito 1l"}},
               {{.kind = "I", .voucher = "000042", .productCode = "6410000000011"}});
  steps.SetDataPath(cut.DataPath());
  Fetch("000042");
  EXPECT_NE(window.texts[Control::kText1].find("Maito 1l"), std::string::npos);
  EXPECT_EQ(window.messages,
            std::vector<std::string>{"Kuitin yhteenvetorivi puuttuu: kuitti voi olla vielä kesken. "
                                     "Hae se hetken kuluttua uudelleen."});
  const auto shown = std::find(window.calls.begin(), window.calls.end(), "SetText Text1");
  EXPECT_LT(
      shown - window.calls.begin(),
      std::find(window.calls.begin(), window.calls.end(), "ShowMessage") - window.calls.begin());
}

TEST_F(Form1StepsTest, ADataFolderThatAppearsLaterIsReadOnTheNextFetch) {
  const DataDirectory later;
  steps.SetDataPath(later.DataPath());
  Fetch("123456");
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_TRUE(window.messages[0].starts_with("Virhe 53: ")) << window.messages[0];

  WriteGoldenStore(later);
  Fetch("123456");
  EXPECT_EQ(window.messages.size(), 1u);
  EXPECT_TRUE(MatchesGolden(window.texts[Control::kText1], "maito_rows.txt"));
}

TEST_F(Form1StepsTest, AFailureAfterSomeFilesOpenedLeavesNoneOpen) {
  const DataDirectory partial;
  partial.WriteProducts(GoldenCatalogue());
  steps.SetDataPath(partial.DataPath());
  Fetch("123456");
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_NE(window.messages[0].find("CASSA.004"), std::string::npos) << window.messages[0];
  EXPECT_TRUE(OpenAccessModes(partial.path()).empty());
  EXPECT_TRUE(BothCommandsEnabled());
}

TEST_F(Form1StepsTest, APickedReceiptGoesIntoText2AndIsFetched) {
  steps.FetchVoucher("000500");
  EXPECT_EQ(window.texts[Control::kText2], "000500");
  EXPECT_EQ(window.calls.front(), "SetText Text2");
  EXPECT_TRUE(MatchesGolden(window.texts[Control::kText1], "two_totals_interleaved.txt"));
}

TEST_F(Form1StepsTest, APrintPrintsTheBoxAsItStandsWithBothCommandsOff) {
  Fetch("123456");
  // The user changed the copy in the box; a text of only spaces and line ends is no empty box.
  struct Case {
    std::string copy;
    std::string longestLine;
  };
  for (const auto& [copy, longestLine] :
       {Case{"Lisäys\r\n" + window.texts[Control::kText1], "74"}, Case{" \r\n", "1"}}) {
    window.Type(Control::kText1, copy);
    window.calls.clear();
    script.calls.clear();
    bool offWhilePrinting = false;
    script.whilePrinting = [&] {
      offWhilePrinting = !window.enabled.at(Control::kCommand1) &&
                         !window.enabled.at(Control::kCommand3) && window.busy;
    };
    steps.PrintCopy();
    EXPECT_EQ(script.calls, (Calls{"SetFontName courier new", "SetFontSize 10",
                                   "FitColumns " + longestLine, "Print " + copy, "EndDocument"}));
    EXPECT_TRUE(offWhilePrinting);
    EXPECT_EQ(window.calls,
              (Calls{"SetEnabled Command3 0", "SetEnabled Command1 0", "SetBusy 1", "SetBusy 0",
                     "SetEnabled Command3 1", "SetEnabled Command1 1", "FocusAndSelectAll Text2"}));
    EXPECT_TRUE(window.messages.empty());
  }
}

TEST_F(Form1StepsTest, AnEmptyBoxSaysThereIsNoCopyAndPrintsNothing) {
  for (const std::string entry : {"", "999999"}) {  // before any fetch, after a miss
    if (!entry.empty()) {
      Fetch(entry);
    }
    window.calls.clear();
    window.messages.clear();
    steps.PrintCopy();
    EXPECT_EQ(window.messages, std::vector<std::string>{"Ei haettua tositetta."});
    EXPECT_EQ(window.calls, (Calls{"ShowMessage", "FocusAndSelectAll Text2"}));
    EXPECT_TRUE(script.calls.empty());
    EXPECT_TRUE(BothCommandsEnabled());
  }
}

TEST_F(Form1StepsTest, AFailedPrintIsReportedDroppedAndGivesTheCommandsBack) {
  Fetch("123456");
  for (const char* step : {"SetFontName", "Print", "EndDocument"}) {
    script.calls.clear();
    script.failAt = step;
    window.messages.clear();
    window.busyAtMessage.clear();
    steps.PrintCopy();
    EXPECT_EQ(window.messages,
              std::vector<std::string>{"Tulostusvirhe. Virhenumero:482  Tulostin ei vastaa."})
        << step;
    EXPECT_EQ(window.busyAtMessage, std::vector<bool>{false}) << step;
    EXPECT_EQ(script.calls.back(), "AbortDocument") << step;
    EXPECT_TRUE(BothCommandsEnabled()) << step;
    EXPECT_EQ(window.calls.back(), "FocusAndSelectAll Text2") << step;
  }
  // The next print is a document of its own.
  script.calls.clear();
  script.failAt.clear();
  steps.PrintCopy();
  EXPECT_EQ(script.calls.front(), "SetFontName courier new");
  EXPECT_EQ(script.calls.back(), "EndDocument");
}

// The window only reads the point-of-sale files: fetches of every outcome and prints leave them
// byte for byte as they were, with their modification times, and create nothing beside them.
TEST_F(Form1StepsTest, FetchingAndPrintingLeaveTheDataFilesUntouched) {
  namespace fs = std::filesystem;
  // From a file time, not the clock: Windows keeps times to 100 ns only.
  const auto old = fs::last_write_time(store.path()) - std::chrono::hours(24 * 365);
  std::map<std::string, std::string> before;
  for (const auto& file : fs::directory_iterator(store.path())) {
    fs::last_write_time(file.path(), old);
    before[file.path().filename().string()] = ReadFileBytes(file.path());
  }
  Fetch("123456");  // a copy
  steps.PrintCopy();
  Fetch("999999");  // not found
  steps.PrintCopy();
  steps.SetDataPath(store.DataPath() + "puuttuu/");
  Fetch("123456");  // an error
  steps.SetDataPath(store.DataPath());
  Fetch("000500");
  steps.PrintCopy();
  ASSERT_EQ(std::count_if(script.calls.begin(), script.calls.end(),
                          [](const std::string& call) { return call.starts_with("Print "); }),
            2);

  std::map<std::string, std::string> after;
  for (const auto& file : fs::directory_iterator(store.path())) {
    EXPECT_EQ(fs::last_write_time(file.path()), old) << file.path();
    after[file.path().filename().string()] = ReadFileBytes(file.path());
  }
  EXPECT_EQ(after, before);
}

// Ctrl+S and the copy box's menu: the copy as the box holds it goes where the user chooses, under
// the name the heading gives; a cancel writes nothing, a failure is told; the voucher box is
// ready for the next number whatever happened.
TEST_F(Form1StepsTest, SavingAsPdfWritesTheBoxWhereTheUserChoseOrSaysWhyNot) {
  struct Case {
    const char* what;
    std::string entry;  // fetched first; none: the box stays empty
    std::optional<std::string> chosen;
    std::string failure;
    bool written;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"saved", "123456", "/tmp/kopio.pdf", "", true, {}},
      {"cancelled", "123456", std::nullopt, "", false, {}},
      {"failed",
       "123456",
       "/ei/kopio.pdf",
       "Hakemistoa ei löydy: /ei",
       false,
       {"PDF-tiedostoa ei tallennettu.\nVirhe 76: Hakemistoa ei löydy: /ei"}},
      {"no copy yet", "", "/tmp/kopio.pdf", "", false, {"Ei haettua tositetta."}},
  };
  for (const Case& c : cases) {
    window.Type(Control::kText1, "");
    if (!c.entry.empty()) {
      Fetch(c.entry);
    }
    window.calls.clear();
    window.messages.clear();
    savedPdfs.clear();
    window.pdfPath = c.chosen;
    pdfFailure = c.failure;
    steps.Run(Command::kSaveAsPdf);
    EXPECT_EQ(window.messages, c.messages) << c.what;
    EXPECT_EQ(window.calls.back(), "FocusAndSelectAll Text2") << c.what;
    const bool asked = std::find(window.calls.begin(), window.calls.end(),
                                 "AskPdfPath Kuittikopio M123456-001.pdf") != window.calls.end();
    EXPECT_EQ(asked, !c.entry.empty()) << c.what;
    ASSERT_EQ(savedPdfs.size(), c.written ? 1u : 0u) << c.what;
    if (c.written) {
      EXPECT_EQ(savedPdfs[0].first, window.texts[Control::kText1]);
      EXPECT_EQ(savedPdfs[0].second, *c.chosen);
    }
  }
}

}  // namespace
}  // namespace kuitti::test
