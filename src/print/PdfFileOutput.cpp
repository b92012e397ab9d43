#include "print/PdfFileOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "data/RuntimeError.h"

namespace kuitti {
namespace {

// Renaming a temporary file over a device or a pipe would put a plain file in its place.
std::unique_ptr<QFileDevice> FileAt(const QString& path) {
  const QFileInfo target(path);  // follows symbolic links
  if (target.exists() && !target.isFile()) {
    return std::make_unique<QFile>(path);
  }
  auto file = std::make_unique<QSaveFile>(path);
  // A file left half written in place would pass for a copy.
  file->setDirectWriteFallback(false);
  return file;
}

}  // namespace

PdfFileOutput::PdfFileOutput(const QString& path, const QPageLayout& layout)
    : file_(FileAt(path)), name_(path), layout_(layout) {
  if (file_->open(QIODevice::WriteOnly)) {
    return;
  }
  // Worded after the fact; the open itself is what decides.
  const QFileInfo directory(QFileInfo(path).absolutePath());
  if (!directory.isDir()) {
    throw RuntimeError(kPathNotFound, "Hakemistoa ei löydy: " + directory.filePath().toStdString());
  }
  if (!directory.isWritable()) {
    throw RuntimeError(kPermissionDenied,
                       "Ei kirjoitusoikeutta hakemistoon: " + directory.filePath().toStdString());
  }
  throw RuntimeError(kPathFileAccessError, "Tiedostoa ei voi kirjoittaa: " + path.toStdString());
}

std::unique_ptr<PdfFileOutput> PdfFileOutput::ToStandardOutput(const QPageLayout& layout) {
  auto file = std::make_unique<QFile>();
  if (!file->open(fileno(stdout), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
    throw RuntimeError(kDeviceIoError, "Vakiotulosteeseen ei voi kirjoittaa");
  }
  return std::unique_ptr<PdfFileOutput>(
      new PdfFileOutput(std::move(file), QStringLiteral("vakiotuloste"), layout));
}

PdfFileOutput::PdfFileOutput(std::unique_ptr<QFileDevice> file, const QString& name,
                             const QPageLayout& layout)
    : file_(std::move(file)), name_(name), layout_(layout) {}

void PdfFileOutput::Deliver() {
  auto* saveFile = qobject_cast<QSaveFile*>(file_.get());
  // A QSaveFile ends only with its commit; a file written in place flushes what is buffered.
  const bool written =
      saveFile ? saveFile->commit() : file_->flush() && file_->error() == QFileDevice::NoError;
  if (!written) {
    throw RuntimeError(kDeviceIoError, "Tiedoston kirjoitusvirhe: " + name_.toStdString());
  }
}

}  // namespace kuitti
