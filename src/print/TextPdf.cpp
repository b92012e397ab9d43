#include "print/TextPdf.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <locale>
#include <sstream>
#include <vector>

#include "data/CodePage.h"
#include "data/Utf8.h"

namespace kuitti {
namespace {

constexpr double kPreferredSize = 10;
// Courier's advance is 600/1000 em, and the line spacing that of "courier new", which the
// printed copy asks for: its ascent and descent come to 1.1328 em.
constexpr double kAdvancePerPoint = 0.6;
constexpr double kLineSpacingPerPoint = 1.1328;
constexpr double kAscentPerPoint = 0.8325;

// A stream for the document's text: its numbers in the C locale, whatever the program's is,
// since a digit grouping would break the document.
std::ostringstream PdfText() {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  return text;
}

// A length in points with three decimals and a point, whatever the program's locale.
std::string Number(double value) {
  std::ostringstream text = PdfText();
  text << std::fixed << std::setprecision(3) << value;
  return text.str();
}

// A line as a PDF string of Windows-1252 bytes, the delimiters and the upper half escaped.
std::string PdfString(std::string_view utf8) {
  std::string text = "(";
  for (const char32_t c : DecodeUtf8(utf8)) {
    const unsigned char byte = EncodeWindows1252(c).value_or('?');
    if (byte == '(' || byte == ')' || byte == '\\') {
      text += '\\';
      text += static_cast<char>(byte);
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
      text += escaped;
    } else {
      text += static_cast<char>(byte);
    }
  }
  text += ')';
  return text;
}

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find_first_of("\r\n", start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) {
      return lines;
    }
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

// The objects of a document, numbered from 1 in the order added, with the cross-reference
// table that finds them. Written to a stream: string sums with a literal first are taken by
// GCC 12 at -O3 for overlapping copies.
class PdfObjects {
 public:
  PdfObjects() : document_(PdfText()) { document_ << "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
  void Add(const std::string& body) {
    offsets_.push_back(static_cast<std::size_t>(document_.tellp()));
    document_ << offsets_.size() << " 0 obj\n" << body << "\nendobj\n";
  }
  static std::string Stream(const std::string& content) {
    std::ostringstream stream = PdfText();
    stream << "<< /Length " << content.size() << " >>\nstream\n" << content << "\nendstream";
    return stream.str();
  }
  std::string Finish(int root, int info) {
    const auto table = document_.tellp();
    document_ << "xref\n0 " << offsets_.size() + 1 << "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets_) {
      char entry[21];
      std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
      document_ << entry;
    }
    document_ << "trailer\n<< /Size " << offsets_.size() + 1 << " /Root " << root << " 0 R /Info "
              << info << " 0 R >>\nstartxref\n"
              << table << "\n%%EOF\n";
    return document_.str();
  }

 private:
  std::ostringstream document_;
  std::vector<std::size_t> offsets_;
};

}  // namespace

PrinterPage A4Paper() {
  return {595.276, 841.89, 0, 0, 0, 0};
}

std::string TextPdf(std::string_view text, const PrinterPage& paper) {
  const TextArea area = TextAreaOf(paper);
  const double size = FittingFontSize(kPreferredSize, kAdvancePerPoint * kPreferredSize,
                                      LongestLine(text), area.width);
  const double spacing = kLineSpacingPerPoint * size;
  const std::size_t perPage =
      std::max<std::size_t>(1, static_cast<std::size_t>(std::floor(area.height / spacing)));
  const std::vector<std::string_view> lines = LinesOf(text);
  const std::size_t pages = (lines.size() + perPage - 1) / perPage;

  // 1 catalogue, 2 page tree, 3 font, 4 document information, then each page and its content.
  PdfObjects objects;
  objects.Add("<< /Type /Catalog /Pages 2 0 R >>");
  std::ostringstream tree = PdfText();
  tree << "<< /Type /Pages /Kids [";
  for (std::size_t page = 0; page < pages; ++page) {
    tree << (page == 0 ? "" : " ") << 5 + 2 * page << " 0 R";
  }
  tree << "] /Count " << pages << " >>";
  objects.Add(tree.str());
  objects.Add("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
  objects.Add("<< /Title (Kuittikopio) /Creator (kuittikopio) >>");
  for (std::size_t page = 0; page < pages; ++page) {
    std::ostringstream content = PdfText();
    content << "BT\n/F1 " << Number(size) << " Tf\n"
            << Number(spacing) << " TL\n"
            << Number(area.left) << " "
            << Number(paper.paperHeight - area.top - kAscentPerPoint * size) << " Td\n";
    for (std::size_t i = page * perPage; i < std::min(lines.size(), (page + 1) * perPage); ++i) {
      content << PdfString(lines[i]) << " Tj T*\n";
    }
    content << "ET";
    std::ostringstream pageObject = PdfText();
    pageObject << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " << Number(paper.paperWidth) << " "
               << Number(paper.paperHeight) << "] /Resources << /Font << /F1 3 0 R >> >> /Contents "
               << 6 + 2 * page << " 0 R >>";
    objects.Add(pageObject.str());
    objects.Add(PdfObjects::Stream(content.str()));
  }
  return objects.Finish(1, 4);
}

}  // namespace kuitti
