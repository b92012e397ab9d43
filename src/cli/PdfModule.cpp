// kuittikopio-pdf.so: the receipt copy as a PDF file, on the pages "Tulosta" prints. A module of
// its own, so that kuittikopio-text needs Qt's GUI and print libraries only for --pdf.

#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "cli/PdfCopy.h"
#include "data/RuntimeError.h"
#include "print/PagePrinter.h"
#include "print/PdfFileOutput.h"
#include "print/PrinterPageLayout.h"
#include "print/ReceiptPrinting.h"

namespace {

// Standard error is the renderer's report; Qt's notes about the platform would spoil it.
void KeepOnlyFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int KuittiWritePdfCopy(const char* text,
                                                                         std::size_t size,
                                                                         const char* path,
                                                                         std::string* description) {
  qInstallMessageHandler(KeepOnlyFatal);
  // A file needs no display, and a display that is set but gone must not stop it either; a
  // platform the user chose is kept.
  char name[] = "kuittikopio-text";
  char option[] = "-platform";
  char offscreen[] = "offscreen";
  std::vector<char*> arguments = {name};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    arguments.insert(arguments.end(), {option, offscreen});
  }
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  const QGuiApplication application(count, arguments.data());

  try {
    kuitti::PagePrinter printer([path] {
      // "-" stands for standard output, as for other command-line tools.
      if (std::string_view(path) == "-") {
        return kuitti::PdfFileOutput::ToStandardOutput(kuitti::DefaultPrinterPageLayout());
      }
      return std::make_unique<kuitti::PdfFileOutput>(QFile::decodeName(path),
                                                     kuitti::DefaultPrinterPageLayout());
    });
    kuitti::PrintReceiptCopy(printer, std::string(text, size));
    return 0;
  } catch (const kuitti::RuntimeError& error) {
    *description = error.description();
    return error.number();
  } catch (const std::bad_alloc&) {
    *description = "Muisti loppui";
    return kuitti::kOutOfMemory;
  }
}
