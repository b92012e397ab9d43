#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "app/Window.h"
#include "data/FileAccess.h"
#include "receipt/Module1.h"
#include "receipt/NumberFormat.h"

namespace kuitti {

class Printer;
class RuntimeError;

// Said below "not found": the way to a receipt whose number is not at hand.
inline constexpr std::string_view kSearchHint =
    "Voit etsiä kuittia päivän, summan tai tuotteen mukaan: Ctrl+F.";

// What the user reads of a failed fetch or search: the error, and the platform's advice on the
// data directory setting where that is at fault (it knows where the setting lives).
using ErrorReport =
    std::function<std::string(const RuntimeError& error, const std::string& dataPath)>;

// Writes the copy (UTF-8) to a PDF file at the path, as "Tulosta" prints it on A4, whole or not
// at all; failures raise RuntimeError naming the file.
using PdfWriter = std::function<void(std::string_view copy, const std::string& path)>;

// What Form1 does, written once for every toolkit: the toolkit makes the controls from the
// layout table and calls these from its events. The state of the run lives here.
class Form1Steps {
 public:
  // "Tulosta" prints on `printer`, which outlives the steps; a copy is saved with `writePdf`.
  Form1Steps(Window& window, Printer& printer, PdfWriter writePdf, FileSystem& files,
             NumberFormat format, ErrorReport errorReport);

  void SetDataPath(std::string dataPath);
  const std::string& DataPath() const { return module_.sales.DataPath; }

  // A command of Form1's buttons or keys: the step below that it names, or the window's own.
  void Run(Command command);

  // "Hae" (Command1) and Enter in Text2 (the voucher box): fetches the copy of the voucher typed
  // in Text2 into Text1 (the copy box), with "Hae" and "Tulosta" disabled meanwhile. The number
  // as the copy prints it ("M104233-001") is taken, and left in Text2, as its six characters.
  // The copy's warnings follow it in one message. Not found empties Text1 and says so, pointing
  // to the search; an error is reported, empties Text1 and gives both commands back, so
  // the user can mend the cause and fetch again.
  void HaeKuitti();

  // "Tulosta" (Command3): prints Text1 (the copy box) as it stands; an empty box says "Ei haettua
  // tositetta.". A failure drops the document, is reported and gives both commands back.
  void PrintCopy();

  // Ctrl+S and the copy box's "Tallenna PDF-tiedostoksi…": Text1 (the copy box) as a PDF file
  // where the user chooses in the platform's save dialog, proposed as "Kuittikopio
  // M104233-001.pdf"; an empty box says "Ei haettua tositetta.", a failure is reported.
  void SaveAsPdf();

  // A receipt picked in the search: its number into Text2 (the voucher box), then fetched.
  void FetchVoucher(std::string_view voucher);

 private:
  // Whatever the outcome, the next number types over the last one, not into the copy.
  void ReadyForTheNextNumber();

  Window& window_;
  Printer& printer_;
  PdfWriter writePdf_;
  FileSystem& files_;
  NumberFormat format_;
  ErrorReport errorReport_;
  Module1 module_;
};

}  // namespace kuitti
