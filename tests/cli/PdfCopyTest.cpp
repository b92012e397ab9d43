// kuittikopio-text --pdf: the copy written as PDF pages, read back with poppler's tools.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/DataFiles.h"
#include "support/Golden.h"
#include "support/GoldenData.h"
#include "support/Process.h"

namespace kuitti::test {
namespace {

namespace fs = std::filesystem;

// Each line's words: pdftotext keeps the words and their order, not every run of spaces.
std::vector<std::vector<std::string>> Words(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::vector<std::string> found;
    for (std::string word; words >> word;) {
      found.push_back(word);
    }
    if (!found.empty()) {
      lines.push_back(found);
    }
  }
  return lines;
}

std::vector<std::string> Entries(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// No display, no settings of the machine's user, and a print server that is not there; run in
// the target directory, so a file made by mistake under a relative name shows there.
class PdfCopyTest : public testing::Test {
 protected:
  PdfCopyTest() { WriteGoldenStore(store); }

  Outcome Render(const std::string& data, const std::string& pdf, const std::string& entry) {
    return RunProgram(KUITTI_TEXT_BINARY,
                      {{"--data", data, "--pdf", pdf, entry},
                       {"HOME=" + home.path().string(), "XDG_CONFIG_HOME=" + home.path().string(),
                        "LC_ALL=fi_FI.UTF-8", "CUPS_SERVER=" + (home.path() / "no.sock").string()},
                       target.path().string()});
  }

  // The words pdftotext reads from the PDF bytes.
  std::vector<std::vector<std::string>> WordsOfPdf(const std::string& pdf) {
    const fs::path copy = home.path() / "read.pdf";
    std::ofstream(copy, std::ios::binary) << pdf;
    return Words(Tool("/usr/bin/pdftotext", {"-layout", copy.string(), "-"}));
  }

  std::string Tool(const std::string& program, const std::vector<std::string>& arguments) {
    const Outcome outcome = RunProgram(program, {arguments, {}, ""});
    EXPECT_EQ(outcome.exitCode, 0) << program << ": " << outcome.err;
    return outcome.out;
  }

  DataDirectory store;
  DataDirectory home;
  DataDirectory target;
};

TEST_F(PdfCopyTest, WritesTheCopyOnA4PagesWithNothingElseAround) {
  const fs::path pdf = target.path() / "kuitti.pdf";
  const Outcome outcome = Render(store.path().string(), pdf.string(), "123456");
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(Entries(target.path()), std::vector<std::string>({"kuitti.pdf"}));

  const std::string text = Tool("/usr/bin/pdftotext", {"-layout", pdf.string(), "-"});
  EXPECT_EQ(Words(text), Words(ReadGolden("maito_rows.txt")));
  const std::string info = Tool("/usr/bin/pdfinfo", {pdf.string()});
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
  const std::string fonts = Tool("/usr/bin/pdffonts", {pdf.string()});
  EXPECT_NE(fonts.find("Mono"), std::string::npos) << fonts;
}

TEST_F(PdfCopyTest, NotFoundAndErrorsLeaveTheTargetAsItWas) {
  const fs::path pdf = target.path() / "kuitti.pdf";
  target.Write("kuitti.pdf", Bytes{'v', 'a', 'n', 'h', 'a'});
  struct Case {
    std::string data;
    std::string pdf;
    std::string entry;
    int exitCode;
    std::string err;  // how standard error begins
  };
  const std::string data = store.path().string();
  const std::string missing = (target.path() / "puuttuu").string();
  const std::vector<Case> cases = {
      {data, pdf.string(), "999999", 1, "Kuittia ei löydy tositenumerolla M999999-001\n"},
      {missing, pdf.string(), "123456", 2, "Virhe 76: "},
      {data, missing + "/kuitti.pdf", "123456", 2,
       "Virhe 76: Hakemistoa ei löydy: " + missing + "\n"},
      {data, target.path().string(), "123456", 2,
       "Virhe 75: Tiedostoa ei voi kirjoittaa: " + target.path().string() + "\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Render(c.data, c.pdf, c.entry);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << c.err;
    EXPECT_EQ(outcome.out, "") << c.err;
    EXPECT_TRUE(outcome.err.starts_with(c.err)) << outcome.err;
    EXPECT_EQ(Entries(target.path()), std::vector<std::string>({"kuitti.pdf"})) << c.err;
    EXPECT_EQ(ReadFileBytes(pdf), "vanha") << c.err;
  }
}

TEST_F(PdfCopyTest, ADashWritesThePdfToStandardOutput) {
  const Outcome outcome = Render(store.path().string(), "-", "123456");
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_TRUE(outcome.out.starts_with("%PDF-")) << outcome.out.substr(0, 16);
  EXPECT_EQ(WordsOfPdf(outcome.out), Words(ReadGolden("maito_rows.txt")));
  EXPECT_TRUE(Entries(target.path()).empty()) << "a file named - was written";
  // Nothing when no copy was made.
  const Outcome notFound = Render(store.path().string(), "-", "999999");
  EXPECT_EQ(notFound.exitCode, 1);
  EXPECT_EQ(notFound.out, "");
}

TEST_F(PdfCopyTest, ASymbolicLinkReplacesTheFileItPointsToAndStays) {
  target.Write("kuitti.pdf", Bytes{'v', 'a', 'n', 'h', 'a'});
  const fs::path link = target.path() / "linkki.pdf";
  fs::create_symlink("kuitti.pdf", link);
  const Outcome outcome = Render(store.path().string(), link.string(), "123456");
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), "kuitti.pdf");
  EXPECT_EQ(Entries(target.path()), std::vector<std::string>({"kuitti.pdf", "linkki.pdf"}));
  EXPECT_EQ(WordsOfPdf(ReadFileBytes(target.path() / "kuitti.pdf")),
            Words(ReadGolden("maito_rows.txt")));
}

TEST_F(PdfCopyTest, ANamedPipeIsWrittenIntoNotReplaced) {
  const fs::path pipe = target.path() / "putki";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Opened for reading first, so the program's open does not wait; the pipe holds the whole
  // PDF, so the program ends before it is read.
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ::fcntl(reader, F_SETPIPE_SZ, 1 << 20);
  const Outcome outcome = Render(store.path().string(), pipe.string(), "123456");
  std::string pdf;
  char buffer[4096];
  for (ssize_t got; (got = ::read(reader, buffer, sizeof buffer)) > 0;) {
    pdf.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(reader);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(Entries(target.path()), std::vector<std::string>({"putki"}));
  ASSERT_TRUE(pdf.starts_with("%PDF-")) << pdf.size() << " bytes came through the pipe";
  EXPECT_EQ(WordsOfPdf(pdf), Words(ReadGolden("maito_rows.txt")));
}

TEST_F(PdfCopyTest, ADeviceIsWrittenIntoAndItsWriteErrorIsError57) {
  // A device of its own, like /dev/full: every write fails for want of space.
  const fs::path device = target.path() / "taysi";
  if (::geteuid() != 0 || ::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "making a device needs root";
  }
  const Outcome outcome = Render(store.path().string(), device.string(), "123456");
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "Virhe 57: Tiedoston kirjoitusvirhe: " + device.string() + "\n");
  EXPECT_TRUE(fs::is_character_file(device));
  EXPECT_EQ(Entries(target.path()), std::vector<std::string>({"taysi"}));
}

}  // namespace
}  // namespace kuitti::test
