#pragma once

#include <QSaveFile>

#include "PageOutput.h"

namespace kuitti {

// A PDF file that appears whole or not at all: the pages go to a temporary file beside it,
// which replaces the file only on delivery.
class PdfFileOutput final : public PageOutput {
 public:
  // Throws RuntimeError when the file cannot be written there.
  PdfFileOutput(const QString& path, const QPageLayout& layout);

  QPageLayout Layout() const override { return layout_; }
  QIODevice& Device() override { return file_; }
  void Deliver() override;

 private:
  QSaveFile file_;
  QPageLayout layout_;
};

}  // namespace kuitti
