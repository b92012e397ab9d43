// kuittikopio-text: prints the receipt copy of a voucher to standard output, exactly as the
// window's text box would hold it, writes it to a PDF file as "Tulosta" would print it, or
// lists the receipts that meet search criteria.

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/FindCommand.h"
#include "cli/TextProgram.h"
#include "data/RuntimeError.h"
#include "data/Utf8.h"
#include "platform/Console.h"
#include "platform/FetchErrorReport.h"
#include "platform/PlatformSettings.h"
#include "receipt/ReceiptCopy.h"
#if KUITTI_PDF_COPY
#include "cli/PdfCopy.h"
#else
#include "print/PdfCopyFile.h"
#include "print/TextPdf.h"
#endif

namespace {

constexpr int kFound = 0;
constexpr int kNotFound = 1;
constexpr int kFailed = 2;

// How --pdf writes, and where the setting and the decimal separator come from, depend on the
// platform.
constexpr std::string_view kUsage =
    "Käyttö: kuittikopio-text [--data KANSIO]"
    " [--pdf TIEDOSTO] [--] SYÖTE\n"
    "        kuittikopio-text [--data KANSIO] --find [--date PÄIVÄ | --from PÄIVÄ --to PÄIVÄ]\n"
    "                         [--amount SUMMA] [--product KOODI] [--number NUMERO]\n"
    "        kuittikopio-text --help | --version\n";

constexpr std::string_view kDescription =
    "\n"
    "Tulostaa tositteen M<SYÖTE>-001 kuittikopion vakiotulosteeseen UTF-8-tekstinä, rivit\n"
    "päätettyinä merkeillä CR LF, täsmälleen niin kuin ikkuna sen näyttää. SYÖTE on se, minkä\n"
    "käyttäjä kirjoittaisi ikkunan tositenumeroruutuun; välilyönnit sen ympärillä säilyvät.\n"
    "\n"
    "Valitsimella --find luettelee kaikki kuitit, joiden loppusumma täyttää kaikki annetut\n"
    "ehdot, tiedoston järjestyksessä, kunkin omalla rivillään (LF): tosite, päivä, aika ja\n"
    "summa.\n"
    "  --date PÄIVÄ        myyty sinä päivänä; PÄIVÄ on PP.KK.VVVV tai VVVV-KK-PP\n"
    "  --from, --to PÄIVÄ  myyty sinä päivänä tai sen jälkeen, sinä päivänä tai ennen sitä\n"
    "                      (kumpikin käy yksinäänkin)\n"
    "  --amount SUMMA      loppusumma tarkalleen: 20,19 tai 20.19, -0,01, 7\n"
    "  --product KOODI     kuitilla on rivi, jonka tuotekoodi on KOODI\n"
    "  --number NUMERO     tositenumero ilman etunollia: 10001 löytää tositteen 010001\n"
    "\n"
    "  --data KANSIO    lue CASSA.001, .002, .004 ja .005 kansiosta KANSIO; ilman tätä\n"
#ifdef _WIN32
    "                   datakansio on rekisteriarvo HKEY_CURRENT_USER\\Software\\\n"
    "                   VB and VBA Program Settings\\Velkamora Oy\\Asiakas\\Datat\n"
#else
    "                   datakansio on asetus [Asiakas] Datat tiedostossa\n"
    "                   $XDG_CONFIG_HOME/Velkamora Oy.ini\n"
#endif
#if KUITTI_PDF_COPY
    "  --pdf TIEDOSTO   kirjoita sen sijaan tiedostoon TIEDOSTO sivut, jotka \"Tulosta\"\n"
    "                   tulostaisi (PDF, \"courier new\" 10 pt, oletustulostimen paperikoko,\n"
    "                   ilman tulostinta A4); tiedosto korvataan kokonaan ja vain, kun kopio\n"
    "                   syntyi; laite tai nimetty putki kirjoitetaan sellaisenaan, ja - on\n"
    "                   vakiotuloste; näyttöä ei tarvita\n"
#else
    "  --pdf TIEDOSTO   kirjoita sen sijaan tiedostoon TIEDOSTO sivut, jotka \"Tulosta\"\n"
    "                   tulostaisi A4-paperille (PDF, Courier 10 pt); tiedosto korvataan\n"
    "                   kokonaan ja vain, kun kopio syntyi; laite tai nimetty putki\n"
    "                   kirjoitetaan sellaisenaan, ja - on vakiotuloste\n"
#endif
    "  --help           näytä tämä ohje\n"
    "  --version        näytä versio\n"
    "\n"
#ifdef _WIN32
    "Desimaalierotin on käyttäjän alueasetusten mukainen.\n"
#else
    "Desimaalierotin seuraa muuttujia LC_ALL, LC_NUMERIC ja LANG (fi_FI: pilkku).\n"
#endif
    "Paluuarvo: 0 kopio tulostettiin tai kirjoitettiin tai kuitteja lueteltiin, 1 tositetta\n"
    "tai yhtään kuittia ei löytynyt (viesti vakiovirheeseen), 2 virhe (\"Virhe N: kuvaus\"\n"
    "vakiovirheeseen) tai virheellinen komentorivi.\n";

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

// Reads the command line into `arguments`; gives what is wrong with it, in Finnish and naming
// the option or value, or nothing when it is sound.
std::optional<std::string> Parse(int argc, char** argv, Arguments& arguments) {
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const std::string named(argument);
    const auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 == argc) {
        return std::nullopt;
      }
      return argv[++i];
    };
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == "--help") {
      arguments.help = true;
    } else if (!optionsEnded && argument == "--version") {
      arguments.version = true;
    } else if (!optionsEnded && (argument == "--data" || argument == "--pdf")) {
      const auto given = value();
      if (!given) {
        return "valitsimen " + named + " arvo puuttuu";
      }
      if (argument == "--data") {
        arguments.hasData = true;
        arguments.dataDirectory = *given;
      } else if (given->empty()) {
        return "valitsimen --pdf tiedostonimi on tyhjä";
      } else {
        arguments.hasPdf = true;
        arguments.pdfFile = *given;
      }
    } else if (!optionsEnded && argument == "--find") {
      if (arguments.find) {
        return "valitsin --find on annettu kahdesti";
      }
      arguments.find = true;
    } else if (!optionsEnded && kuitti::IsFindOption(argument)) {
      if (!arguments.find) {
        return "valitsin " + named + " kuuluu valitsimen --find jälkeen";
      }
      const auto given = value();
      if (!given) {
        return "valitsimen " + named + " arvo puuttuu";
      }
      arguments.findOptions.emplace_back(argument, *given);
    } else if (!optionsEnded && argument.starts_with("--")) {
      return "tuntematon valitsin " + named;
    } else if (!arguments.hasEntry && !arguments.find) {
      arguments.hasEntry = true;
      arguments.entry = argument;
    } else {
      return "ylimääräinen argumentti " + named;
    }
  }
  if (arguments.help || arguments.version) {
    return std::nullopt;
  }
  if (arguments.find && arguments.hasEntry) {
    return "ylimääräinen argumentti " + arguments.entry;
  }
  if (arguments.find && arguments.hasPdf) {
    return "valitsinta --pdf ei voi antaa yhdessä valitsimen --find kanssa";
  }
  if (!arguments.find && !arguments.hasEntry) {
    return "tositenumero puuttuu";
  }
  return std::nullopt;
}

// The line that says what is wrong, then the usage; the status of a malformed command line.
int Refuse(std::string_view mistake) {
  std::string report = "kuittikopio-text: ";
  report.append(mistake).append("\n").append(kUsage);
  kuitti::WriteError(report);
  return kFailed;
}

// The pages "Tulosta" would print, as a PDF file: through Qt on the default printer's paper
// where the program has Qt, made by the program itself on A4 where it has not.
void WritePdf(std::string_view copy, const std::string& path) {
#if KUITTI_PDF_COPY
  kuitti::WritePdfCopy(copy, path);
#else
  if (path != "-") {
    kuitti::WritePdfCopyFile(copy, path);
    return;
  }
  kuitti::WriteOutput(kuitti::TextPdf(copy, kuitti::A4Paper()));
  if (!kuitti::FlushOutput()) {
    throw kuitti::RuntimeError(kuitti::kDeviceIoError, "Vakiotulosteeseen ei voi kirjoittaa");
  }
#endif
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
  if (const auto mistake = Parse(argc, argv, arguments)) {
    return Refuse(*mistake);
  }
  if (arguments.help) {
    WriteOutput(kUsage);
    WriteOutput(kDescription);
    return kFound;
  }
  if (arguments.version) {
    WriteOutput("kuittikopio-text " KUITTI_VERSION "\n");
    return kFound;
  }
  if (arguments.find) {
    const kuitti::FindOptions find = kuitti::ParseFindOptions(arguments.findOptions);
    if (!find.mistake.empty()) {
      return Refuse(find.mistake);
    }
    return kuitti::ListReceipts(DataPathOf(arguments), !arguments.hasData, find.criteria);
  }
  // Shown as typed, but as valid UTF-8 whatever bytes the shell passed.
  const std::string entry = kuitti::EncodeUtf8(kuitti::DecodeUtf8(arguments.entry));

  const std::string dataPath = DataPathOf(arguments);
  try {
    kuitti::Module1 module;
    module.sales.DataPath = dataPath;
    const std::optional<kuitti::ReceiptCopy> copy = kuitti::FetchReceiptCopy(
        module, kuitti::SystemFileSystem(), entry, kuitti::RegionalNumberFormat());
    if (!copy) {
      WriteError(kuitti::NotFoundMessage(entry) + "\n");
      return kNotFound;
    }
    // The copy stands as the files give it; what may mislead in it goes to standard error.
    for (const std::string& warning : copy->warnings) {
      WriteError("Varoitus: " + warning + "\n");
    }
    if (arguments.hasPdf) {
      WritePdf(copy->text, arguments.pdfFile);
      return kFound;
    }
    WriteOutput(copy->text);
    return FlushOutput() ? kFound : kFailed;
  } catch (const kuitti::RuntimeError& error) {
    WriteError(kuitti::FetchErrorReport(error, dataPath, !arguments.hasData) + "\n");
    return kFailed;
  }
}
