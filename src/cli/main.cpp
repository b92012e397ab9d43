// kuittikopio-text: prints the receipt copy of a voucher to standard output, exactly as the
// window's text box would hold it, writes it to a PDF file as "Tulosta" would print it, or
// lists the receipts that meet search criteria.

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Console.h"
#include "FetchErrorReport.h"
#include "FindCommand.h"
#include "PlatformSettings.h"
#include "ReceiptCopy.h"
#include "RuntimeError.h"
#include "TextProgram.h"
#include "Utf8.h"
#if KUITTI_PDF_COPY
#include "PdfCopy.h"
#endif

namespace {

constexpr int kFound = 0;
constexpr int kNotFound = 1;
constexpr int kFailed = 2;

// The --pdf option, and where the setting and the decimal separator come from, depend on the
// platform: the Windows build has no PDF writer.
constexpr std::string_view kUsage =
    "Usage: kuittikopio-text [--data DIR]"
#if KUITTI_PDF_COPY
    " [--pdf FILE]"
#endif
    " [--] ENTRY\n"
    "       kuittikopio-text [--data DIR] --find [--date DAY | --from DAY --to DAY]\n"
    "                        [--amount AMOUNT] [--product CODE] [--number DIGITS]\n"
    "       kuittikopio-text --help | --version\n"
    "\n"
    "Prints the receipt copy of voucher M<ENTRY>-001 to standard output as UTF-8 with CR LF\n"
    "line ends, exactly as the window shows it. ENTRY is what a user would type into the\n"
    "voucher box; surrounding spaces are kept.\n"
    "\n"
    "With --find, lists every receipt total that meets all the criteria given, in file\n"
    "order, one line each (LF): voucher, day, time and total.\n"
    "  --date DAY       sold on that day; DAY is DD.MM.YYYY or YYYY-MM-DD\n"
    "  --from, --to DAY sold on or after, on or before that day (each may stand alone)\n"
    "  --amount AMOUNT  the total, exactly: 20,19 or 20.19, -0,01, 7\n"
    "  --product CODE   the receipt has a row of that product code\n"
    "  --number DIGITS  the voucher number, leading zeros not needed: 10001 finds 010001\n"
    "\n"
    "  --data DIR  read CASSA.001, .002, .004 and .005 from DIR; without it, the data\n"
#ifdef _WIN32
    "              directory is the registry value HKEY_CURRENT_USER\\Software\\\n"
    "              VB and VBA Program Settings\\Velkamora Oy\\Asiakas\\Datat\n"
#else
    "              directory is the setting [Asiakas] Datat of $XDG_CONFIG_HOME/Velkamora Oy.ini\n"
#endif
#if KUITTI_PDF_COPY
    "  --pdf FILE  write the pages that \"Tulosta\" would print to FILE instead (PDF,\n"
    "              \"courier new\" 10 pt, the default printer's paper size, A4 without one);\n"
    "              FILE is replaced whole, and only when a copy was made; needs no display\n"
#endif
    "  --help      show this text\n"
    "  --version   show the version\n"
    "\n"
#ifdef _WIN32
    "The decimal separator is the one of the user's regional settings.\n"
#else
    "The decimal separator follows LC_ALL, LC_NUMERIC or LANG (a comma under fi_FI).\n"
#endif
    "Exit status: 0 copy printed or written or receipts listed, 1 voucher not found or no\n"
    "receipt found (message on standard error), 2 error (\"Virhe N: description\" on\n"
    "standard error) or a malformed command line.\n";

struct Arguments {
  bool help = false;
  bool version = false;
  bool hasData = false;
  std::string dataDirectory;
  bool hasPdf = false;
  std::string pdfFile;
  bool hasEntry = false;
  std::string entry;
  bool find = false;
  std::vector<std::pair<std::string_view, std::string_view>> findOptions;
};

bool Parse(int argc, char** argv, Arguments& arguments) {
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == "--help") {
      arguments.help = true;
    } else if (!optionsEnded && argument == "--version") {
      arguments.version = true;
    } else if (!optionsEnded && argument == "--data") {
      if (++i == argc) {
        return false;
      }
      arguments.hasData = true;
      arguments.dataDirectory = argv[i];
    } else if (!optionsEnded && argument == "--pdf") {
      if (++i == argc || *argv[i] == '\0') {
        return false;
      }
      arguments.hasPdf = true;
      arguments.pdfFile = argv[i];
    } else if (!optionsEnded && argument == "--find" && !arguments.find) {
      arguments.find = true;
    } else if (!optionsEnded && arguments.find && kuitti::IsFindOption(argument)) {
      if (++i == argc) {
        return false;
      }
      arguments.findOptions.emplace_back(argument, argv[i]);
    } else if (!optionsEnded && argument.starts_with("--")) {
      return false;
    } else if (!arguments.hasEntry) {
      arguments.hasEntry = true;
      arguments.entry = argument;
    } else {
      return false;
    }
  }
  if (arguments.find) {
    return !arguments.hasEntry && !arguments.hasPdf;
  }
  return arguments.help || arguments.version || arguments.hasEntry;
}

std::string DataPathOf(const Arguments& arguments) {
  if (!arguments.hasData) {
    return kuitti::ReadDataPathSetting();
  }
  std::string path = arguments.dataDirectory;
  const std::string_view separators = kuitti::PathSeparators();
  if (!path.empty() && separators.find(path.back()) == std::string_view::npos) {
    path += separators.front();
  }
  return path;
}

}  // namespace

int kuitti::RunTextProgram(int argc, char** argv) {
  Arguments arguments;
  if (!Parse(argc, argv, arguments)) {
    WriteError(kUsage);
    return kFailed;
  }
  if (arguments.help) {
    WriteOutput(kUsage);
    return kFound;
  }
  if (arguments.version) {
    WriteOutput("kuittikopio-text " KUITTI_VERSION "\n");
    return kFound;
  }
#if !KUITTI_PDF_COPY
  if (arguments.hasPdf) {
    // Before any fetch: the option cannot work here, whatever the voucher.
    const RuntimeError noPdf(kDllLoadError,
                             "Tämä versio ei kirjoita PDF-tiedostoja: valitsin --pdf ei ole "
                             "käytettävissä Windowsissa.");
    WriteError(std::string(noPdf.what()) + "\n");
    return kFailed;
  }
#endif
  if (arguments.find) {
    const auto criteria = kuitti::ParseFindOptions(arguments.findOptions);
    if (!criteria) {
      WriteError(kUsage);
      return kFailed;
    }
    return kuitti::ListReceipts(DataPathOf(arguments), !arguments.hasData, *criteria);
  }
  // Shown as typed, but as valid UTF-8 whatever bytes the shell passed.
  const std::string entry = kuitti::EncodeUtf8(kuitti::DecodeUtf8(arguments.entry));

  const std::string dataPath = DataPathOf(arguments);
  try {
    kuitti::Module1 module;
    module.sales.DataPath = dataPath;
    const std::optional<std::string> copy = kuitti::FetchReceiptCopy(
        module, kuitti::SystemFileSystem(), entry, kuitti::RegionalNumberFormat());
    if (!copy) {
      WriteError(kuitti::NotFoundMessage(entry) + "\n");
      return kNotFound;
    }
#if KUITTI_PDF_COPY
    if (arguments.hasPdf) {
      kuitti::WritePdfCopy(*copy, arguments.pdfFile);
      return kFound;
    }
#endif
    WriteOutput(*copy);
    return FlushOutput() ? kFound : kFailed;
  } catch (const kuitti::RuntimeError& error) {
    WriteError(kuitti::FetchErrorReport(error, dataPath, !arguments.hasData) + "\n");
    return kFailed;
  }
}
