#pragma once

#include <QString>
#include <memory>

namespace kuitti {

// The default printer as the print command uses it. Any failure throws RuntimeError (482 for
// a missing default printer or a job that cannot be started or is refused).
class Printer {
 public:
  virtual ~Printer() = default;
  virtual void SetFontName(const QString& name) = 0;
  virtual void SetFontSize(float points) = 0;
  // Prints the text at the current position; every line break starts a new line.
  virtual void Print(const QString& text) = 0;
  // Sends the document; the next print starts a new document.
  virtual void EndDocument() = 0;
  // Drops an unfinished document so that nothing half-printed is sent.
  virtual void AbortDocument() = 0;
};

// The system's default printer through Qt PrintSupport.
std::unique_ptr<Printer> MakeDefaultPrinter();

// What the print command needs of the window.
class PrintView {
 public:
  virtual ~PrintView() = default;
  virtual QString CopyText() const = 0;                   // the text of Text1 as it stands
  virtual void SetPrintCommandEnabled(bool enabled) = 0;  // Command3
  virtual void SetFetchCommandEnabled(bool enabled) = 0;  // Command1
  virtual void ShowMessage(const QString& message) = 0;
};

// The "Tulosta" command: prints the copy text on the printer, reports errors as
// "Tulostusvirhe. Virhenumero:<n>  <description>".
void PrintReceiptCopy(PrintView& view, Printer& printer);

}  // namespace kuitti
