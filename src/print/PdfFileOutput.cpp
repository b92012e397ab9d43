#include "PdfFileOutput.h"

#include <QFileInfo>

#include "RuntimeError.h"

namespace kuitti {

PdfFileOutput::PdfFileOutput(const QString& path, const QPageLayout& layout)
    : file_(path), layout_(layout) {
  // A file left half written in place would pass for a copy.
  file_.setDirectWriteFallback(false);
  if (file_.open(QIODevice::WriteOnly)) {
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

void PdfFileOutput::Deliver() {
  if (!file_.commit()) {
    throw RuntimeError(kDeviceIoError,
                       "Tiedoston kirjoitusvirhe: " + file_.fileName().toStdString());
  }
}

}  // namespace kuitti
