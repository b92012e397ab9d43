#pragma once

#include <QIODevice>
#include <QPageLayout>

namespace kuitti {

// Where the pages of one document go. PagePrinter writes them as PDF into Device() on the page
// layout Layout() and hands them on with Deliver(); an output dropped undelivered leaves
// nothing behind.
class PageOutput {
 public:
  virtual ~PageOutput() = default;
  virtual QPageLayout Layout() const = 0;
  virtual QIODevice& Device() = 0;  // open for writing
  // Throws RuntimeError when the document cannot reach its destination.
  virtual void Deliver() = 0;
};

}  // namespace kuitti
