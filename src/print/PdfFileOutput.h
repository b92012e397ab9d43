#pragma once

#include <QFileDevice>
#include <memory>

#include "print/PageOutput.h"

namespace kuitti {

// A PDF file. At a new path or over a regular file it appears whole or not at all: the pages
// go to a temporary file beside it, which replaces the file only on delivery (through a
// symbolic link, the file the link points to, the link kept). A path that exists and is not
// a regular file, such as a device or a named pipe, is written into directly, never replaced.
class PdfFileOutput final : public PageOutput {
 public:
  // Throws RuntimeError when the file cannot be written there.
  PdfFileOutput(const QString& path, const QPageLayout& layout);
  // Standard output, written into directly.
  static std::unique_ptr<PdfFileOutput> ToStandardOutput(const QPageLayout& layout);

  QPageLayout Layout() const override { return layout_; }
  QIODevice& Device() override { return *file_; }
  void Deliver() override;

 private:
  PdfFileOutput(std::unique_ptr<QFileDevice> file, const QString& name, const QPageLayout& layout);

  std::unique_ptr<QFileDevice> file_;  // a QSaveFile, or a QFile written in place
  QString name_;                       // for messages
  QPageLayout layout_;
};

}  // namespace kuitti
