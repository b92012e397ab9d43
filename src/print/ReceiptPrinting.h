#pragma once

#include <cstddef>
#include <string>

namespace kuitti {

class RuntimeError;

// The default printer as the print command uses it, whatever draws the pages. Texts are UTF-8.
// Any failure throws RuntimeError (482 for a missing, unreachable, refusing or stopped printer,
// or a job that is not accepted).
class Printer {
 public:
  virtual ~Printer() = default;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(float points) = 0;
  // Makes the font just small enough that lines of `columns` characters fit the width the
  // text may take on the page, measured with the face the printer gave; a font they fit at
  // stays as it is.
  virtual void FitColumns(std::size_t columns) = 0;
  // Prints the text at the current position; every line break starts a new line.
  virtual void Print(const std::string& text) = 0;
  // Sends the document; the next print starts a new document.
  virtual void EndDocument() = 0;
  // Drops an unfinished document so that nothing half-printed is sent.
  virtual void AbortDocument() = 0;
};

// Prints the copy as one document: the font "courier new" at 10 points, or smaller where its
// longest line would not fit the paper, the text with its line breaks, then the end of the
// document. A failure drops the unfinished document, so nothing
// half-printed goes out, and passes on.
void PrintReceiptCopy(Printer& printer, const std::string& copy);

// The report of a failed print: "Tulostusvirhe. Virhenumero:<n>  <description>".
std::string PrintErrorMessage(const RuntimeError& error);

}  // namespace kuitti
