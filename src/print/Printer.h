#pragma once

#include <string>

namespace kuitti {

// The default printer as the print command uses it, texts in UTF-8. Any failure throws
// RuntimeError (482 for a missing, stopped or refusing printer, or a job that is not accepted).
class Printer {
 public:
  virtual ~Printer() = default;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(float points) = 0;
  // Prints the text at the current position; every line break starts a new line.
  virtual void Print(const std::string& text) = 0;
  // Sends the document; the next print starts a new document.
  virtual void EndDocument() = 0;
  // Drops an unfinished document so that nothing half-printed is sent.
  virtual void AbortDocument() = 0;
};

}  // namespace kuitti
