#include "app/Form1Steps.h"

#include <optional>
#include <utility>

#include "app/Busy.h"
#include "app/PdfFileName.h"
#include "app/PrintedVoucher.h"
#include "data/RuntimeError.h"
#include "print/ReceiptPrinting.h"
#include "receipt/ReceiptCopy.h"

namespace kuitti {

Form1Steps::Form1Steps(Window& window, Printer& printer, PdfWriter writePdf, FileSystem& files,
                       NumberFormat format, ErrorReport errorReport)
    : window_(window),
      printer_(printer),
      writePdf_(std::move(writePdf)),
      files_(files),
      format_(std::move(format)),
      errorReport_(std::move(errorReport)) {}

void Form1Steps::SetDataPath(std::string dataPath) {
  module_.sales.DataPath = std::move(dataPath);
}

void Form1Steps::Run(Command command) {
  switch (command) {
    case Command::kFetch:
      HaeKuitti();
      return;
    case Command::kPrint:
      PrintCopy();
      return;
    case Command::kQuit:
      window_.Quit();
      return;
    case Command::kOpenSearch:
      window_.OpenSearch();
      return;
    case Command::kSaveAsPdf:
      SaveAsPdf();
      return;
    case Command::kCopyText:
      window_.CopyText();
      return;
    case Command::kPick:
    case Command::kFirstRow:
    case Command::kLastRow:
      // The search dialog's, which hands the pick to FetchVoucher.
      return;
  }
}

void Form1Steps::HaeKuitti() {
  window_.SetEnabled(Control::kCommand1, false);      // "Hae"
  window_.SetEnabled(Control::kCommand3, false);      // "Tulosta"
  std::string entry = window_.Text(Control::kText2);  // the voucher box
  // The number as the copy prints it is taken as the voucher it names, and shown as such, so
  // that the copy's heading reads the same.
  if (std::optional<std::string> voucher = VoucherOfPrintedNumber(entry)) {
    entry = std::move(*voucher);
    window_.SetText(Control::kText2, entry);
  }
  try {
    const Busy busy(window_);
    const std::optional<ReceiptCopy> copy = FetchReceiptCopy(module_, files_, entry, format_);
    window_.SetText(Control::kText1, copy ? copy->text : std::string());  // the copy box
    if (!copy) {
      window_.ShowMessage(NotFoundMessage(entry) + "\n" + std::string(kSearchHint));
    } else if (!copy->warnings.empty()) {
      // After the copy, so the user reads it with the copy in view.
      std::string warnings;
      for (const std::string& warning : copy->warnings) {
        warnings += (warnings.empty() ? "" : "\n") + warning;
      }
      window_.ShowMessage(warnings);
    }
  } catch (const RuntimeError& error) {
    window_.SetText(Control::kText1, {});
    window_.ShowMessage(errorReport_(error, DataPath()));
  }
  window_.SetEnabled(Control::kCommand1, true);
  window_.SetEnabled(Control::kCommand3, true);
  ReadyForTheNextNumber();
}

void Form1Steps::PrintCopy() {
  const std::string copy = window_.Text(Control::kText1);  // the copy box
  if (copy.empty()) {
    window_.ShowMessage("Ei haettua tositetta.");
    ReadyForTheNextNumber();
    return;
  }
  window_.SetEnabled(Control::kCommand3, false);  // "Tulosta"
  window_.SetEnabled(Control::kCommand1, false);  // "Hae"
  try {
    const Busy busy(window_);
    PrintReceiptCopy(printer_, copy);
  } catch (const RuntimeError& error) {
    window_.ShowMessage(PrintErrorMessage(error));
  }
  window_.SetEnabled(Control::kCommand3, true);
  window_.SetEnabled(Control::kCommand1, true);
  ReadyForTheNextNumber();
}

void Form1Steps::SaveAsPdf() {
  const std::string copy = window_.Text(Control::kText1);  // the copy box
  if (copy.empty()) {
    window_.ShowMessage("Ei haettua tositetta.");
    ReadyForTheNextNumber();
    return;
  }
  if (const std::optional<std::string> path = window_.AskPdfPath(PdfFileName(copy))) {
    try {
      const Busy busy(window_);
      writePdf_(copy, *path);
    } catch (const RuntimeError& error) {
      window_.ShowMessage("PDF-tiedostoa ei tallennettu.\n" + std::string(error.what()));
    }
  }
  ReadyForTheNextNumber();
}

void Form1Steps::FetchVoucher(std::string_view voucher) {
  window_.SetText(Control::kText2, voucher);  // the voucher box
  HaeKuitti();
}

void Form1Steps::ReadyForTheNextNumber() {
  window_.FocusAndSelectAll(Control::kText2);  // the voucher box
}

}  // namespace kuitti
