// The Qt printer laying a long copy out on PDF pages, read back with poppler's tools.

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/qt/QStringPrinting.h"
#include "app/qt/SampleData.h"
#include "print/PagePrinter.h"
#include "print/PdfFileOutput.h"
#include "print/PrinterPageLayout.h"
#include "print/ReceiptPrinting.h"
#include "print/TextPdf.h"
#include "support/Process.h"

namespace kuitti::test {
namespace {

// Text a poppler tool writes about the PDF.
QString RunTool(const std::string& program, const QStringList& arguments) {
  std::vector<std::string> words;
  for (const QString& argument : arguments) {
    words.push_back(argument.toStdString());
  }
  const Outcome outcome = RunProgram(program, {words, CurrentEnvironment(), ""});
  EXPECT_EQ(outcome.exitCode, 0) << program << ": " << outcome.err;
  return QString::fromStdString(outcome.out);
}

const QPageLayout kLayout = FallbackPageLayout();

// The text area the printer keeps on those pages: 10 mm from every edge of a sheet.
const QPageLayout kTextLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                              QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

// The pages as the printer draws them, to measure with.
std::unique_ptr<QPdfWriter> PdfDevice(const QString& path) {
  auto device = std::make_unique<QPdfWriter>(path);
  device->setPageLayout(kTextLayout);
  device->setResolution(1200);
  return device;
}

// The font the print command asks for.
QFont AskedFont() {
  QFont font(QStringLiteral("courier new"), 10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

// Lines that hold something, without trailing spaces.
QStringList InkedLines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\f")))) {
    static const QRegularExpression trailing(QStringLiteral("\\s+$"));
    const QString trimmed = QString(line).remove(trailing);
    if (!trimmed.isEmpty()) {
      lines.append(trimmed);
    }
  }
  return lines;
}

struct Word {
  QString text;
  qsizetype end;  // the column after its last character
};

std::vector<Word> Words(const QString& line) {
  std::vector<Word> words;
  static const QRegularExpression word(QStringLiteral("\\S+"));
  for (const QRegularExpressionMatch& match : word.globalMatch(line)) {
    words.push_back({match.captured(), match.capturedEnd()});
  }
  return words;
}

class PdfPrintTest : public testing::Test {
 protected:
  void PrintAsTheCommandDoes(const QString& text) {
    PagePrinter printer([this] { return std::make_unique<PdfFileOutput>(pdf, kLayout); });
    printer.SetFontName("courier new");
    printer.SetFontSize(10);
    printer.Print(text.toStdString());
    printer.EndDocument();
  }

  // The PDF's text, line by line, is the copy's, runs of spaces apart.
  testing::AssertionResult HoldsEveryLineOf(const std::string& copy) {
    const QStringList read =
        InkedLines(RunTool("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    const QStringList expected = InkedLines(QString::fromStdString(copy));
    if (read.size() != expected.size()) {
      return testing::AssertionFailure() << read.size() << " lines, the copy " << expected.size();
    }
    for (qsizetype i = 0; i < expected.size(); ++i) {
      if (read[i].simplified() != expected[i].simplified()) {
        return testing::AssertionFailure() << "line " << i << ": " << read[i].toStdString();
      }
    }
    return testing::AssertionSuccess();
  }

  int Pages() {
    const QString info = RunTool("pdfinfo", {pdf});
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
  }

  QTemporaryDir directory;
  QString pdf = directory.filePath(QStringLiteral("copy.pdf"));
};

TEST_F(PdfPrintTest, LongCopyContinuesOnNewPagesWithEveryLineInOrderAndColumnsAligned) {
  const Rendered rendered = RenderWithText(Samples().directory, Samples().longVoucher);
  ASSERT_EQ(rendered.exitCode, 0);
  const QString copy = QString::fromUtf8(rendered.out);
  QStringList copies;
  for (int i = 0; i < 5; ++i) {
    copies.append(copy);
  }
  const QString text = copies.join(QStringLiteral("\r\n"));
  const int lineCount = static_cast<int>(text.count(QStringLiteral("\r\n"))) + 1;

  PrintAsTheCommandDoes(text);

  // As many pages as the lines need at the font's line spacing, no more.
  const auto device = PdfDevice(directory.filePath(QStringLiteral("measure.pdf")));
  const QFontMetricsF metrics(AskedFont(), device.get());
  const int linesPerPage =
      static_cast<int>(std::floor((device->height() - metrics.height()) / metrics.lineSpacing())) +
      1;
  ASSERT_GT(lineCount, linesPerPage) << "the text must not fit on one page";
  EXPECT_EQ(Pages(), (lineCount + linesPerPage - 1) / linesPerPage);

  // No line is drawn where the page has no room for it: below the printable area it would be
  // cut away on paper.
  const QRectF printable = device->pageLayout().paintRect(QPageLayout::Point);
  const QString boxes = RunTool("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  static const QRegularExpression wordBox(QStringLiteral("yMax=\"([0-9.]+)\""));
  int words = 0;
  for (const QRegularExpressionMatch& match : wordBox.globalMatch(boxes)) {
    ++words;
    ASSERT_LE(match.captured(1).toDouble(), printable.bottom() + 0.5) << "word " << words;
  }
  EXPECT_GT(words, lineCount);

  // pdftotext places words by their position on a grid of 6-point columns from the text
  // area's left edge (its own guess of the columns shifts some lines of a short last page);
  // every word must end within one column of where the copy has it.
  const QStringList read = InkedLines(RunTool(
      "pdftotext",
      {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("6"),
       QStringLiteral("-x"), QString::number(std::floor(printable.left())), QStringLiteral("-y"),
       QStringLiteral("0"), QStringLiteral("-W"), QStringLiteral("600"), QStringLiteral("-H"),
       QStringLiteral("900"), pdf, QStringLiteral("-")}));
  const QStringList expected = InkedLines(text);
  ASSERT_EQ(read.size(), expected.size());
  for (qsizetype i = 0; i < expected.size(); ++i) {
    const std::vector<Word> readWords = Words(read[i]);
    const std::vector<Word> expectedWords = Words(expected[i]);
    ASSERT_EQ(readWords.size(), expectedWords.size())
        << "line " << i << ": " << read[i].toStdString();
    for (std::size_t w = 0; w < expectedWords.size(); ++w) {
      EXPECT_EQ(readWords[w].text, expectedWords[w].text) << "line " << i;
      EXPECT_LE(std::abs(readWords[w].end - expectedWords[w].end), 1)
          << "line " << i << " word " << w << ": " << read[i].toStdString() << " / "
          << expected[i].toStdString();
    }
  }
}

TEST_F(PdfPrintTest, WideLineIsCutAtTheRightMarginNotWrapped) {
  const QString wide(300, QLatin1Char('M'));
  PrintAsTheCommandDoes(QStringLiteral("ennen\r\n") + wide + QStringLiteral("\r\njälkeen"));
  EXPECT_EQ(Pages(), 1);

  // The line after the wide one comes right after it: nothing was wrapped onto new lines.
  const QStringList read =
      InkedLines(RunTool("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
  ASSERT_EQ(read.size(), 3);
  EXPECT_TRUE(read[0].endsWith(QStringLiteral("ennen")));
  EXPECT_TRUE(read[2].endsWith(QStringLiteral("jälkeen")));

  // On the rendered page the wide line reaches the right edge of the printable area and
  // leaves the right margin blank.
  const int dpi = 72;
  RunTool("pdftoppm",
          {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
           QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, directory.filePath("page")});
  const QImage page(directory.filePath(QStringLiteral("page.png")));
  ASSERT_FALSE(page.isNull());
  const QRect printable = kTextLayout.paintRectPixels(dpi);
  ASSERT_LT(printable.right() + 4, page.width());
  auto inkedInColumn = [&](int x) {
    for (int y = printable.top(); y < printable.top() + 60; ++y) {
      if (qGray(page.pixel(x, y)) < 128) {
        return true;
      }
    }
    return false;
  };
  // Some column of the last character cell (6 points wide at 10 points) is inked, whatever
  // face the font maps to.
  bool reachesTheEdge = false;
  for (int x = printable.right() - 6; x <= printable.right(); ++x) {
    reachesTheEdge = reachesTheEdge || inkedInColumn(x);
  }
  EXPECT_TRUE(reachesTheEdge);
  for (int x = printable.right() + 3; x < page.width(); ++x) {
    ASSERT_FALSE(inkedInColumn(x)) << "ink in the right margin at x=" << x;
  }
}

// A receipt roll is too narrow for 74 columns at 10 points: the print command's steps make the
// font just small enough, so every column reaches the paper and no ink falls off it.
TEST_F(PdfPrintTest, OnReceiptRollsEveryColumnOfTheCopyIsPrinted) {
  const Rendered rendered = RenderWithText(Samples().directory, Samples().longVoucher);
  ASSERT_EQ(rendered.exitCode, 0);
  const std::string copy = rendered.out.toStdString();
  for (const double millimetres : {80.0, 58.0}) {
    SCOPED_TRACE(millimetres);
    const QPageLayout roll(QPageSize(QSizeF(millimetres, 297), QPageSize::Millimeter),
                           QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    PagePrinter printer([&] { return std::make_unique<PdfFileOutput>(pdf, roll); });
    PrintReceiptCopy(printer, copy);

    ASSERT_TRUE(HoldsEveryLineOf(copy));

    // The longest lines end close to the paper's right edge, and never past it.
    const int dpi = 300;
    RunTool("pdftoppm", {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                         directory.filePath("roll")});
    const QImage page(directory.filePath(QStringLiteral("roll.png")));
    ASSERT_FALSE(page.isNull());
    int rightmostInk = -1;
    for (int y = 0; y < page.height(); ++y) {
      for (int x = page.width() - 1; x > rightmostInk; --x) {
        if (qGray(page.pixel(x, y)) < 128) {
          rightmostInk = x;
        }
      }
    }
    EXPECT_GT(rightmostInk, page.width() * 0.95) << "of " << page.width();
    EXPECT_LT(rightmostInk, page.width() - 1);
  }
}

// The PDF made without Qt, for Windows: a sound document whose text is the copy's lines, on
// every paper, within the text area of the shared rules.
TEST_F(PdfPrintTest, TheDocumentMadeWithoutQtHoldsEveryLineWithinThePaper) {
  const Rendered rendered = RenderWithText(Samples().directory, Samples().longVoucher);
  ASSERT_EQ(rendered.exitCode, 0);
  const std::string copy = rendered.out.toStdString() + "\r\n" + rendered.out.toStdString();
  struct Case {
    std::string name;
    PrinterPage paper;
    int pages;
  };
  const double mm = 72 / 25.4;
  const std::vector<Case> cases = {
      {"A4", A4Paper(), 2},
      {"80 mm", {80 * mm, 297 * mm, 0, 0, 0, 0}, 1},
      {"58 mm", {58 * mm, 297 * mm, 0, 0, 0, 0}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    {
      QFile file(pdf);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      const std::string document = TextPdf(copy, c.paper);
      file.write(document.data(), static_cast<qint64>(document.size()));
    }
    RunTool("qpdf", {QStringLiteral("--check"), pdf});
    EXPECT_EQ(Pages(), c.pages);
    ASSERT_TRUE(HoldsEveryLineOf(copy));
    // Every word's box lies in the text area.
    const TextArea area = TextAreaOf(c.paper);
    const QString boxes = RunTool("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression wordBox(QStringLiteral(
        "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    int words = 0;
    for (const QRegularExpressionMatch& match : wordBox.globalMatch(boxes)) {
      ++words;
      ASSERT_GE(match.captured(1).toDouble(), area.left - 0.5) << "word " << words;
      ASSERT_GE(match.captured(2).toDouble(), area.top - 0.5) << "word " << words;
      ASSERT_LE(match.captured(3).toDouble(), area.left + area.width + 0.5) << "word " << words;
      ASSERT_LE(match.captured(4).toDouble(), area.top + area.height + 0.5) << "word " << words;
    }
    EXPECT_GT(words, InkedLines(QString::fromStdString(copy)).size());
  }
}

}  // namespace
}  // namespace kuitti::test
