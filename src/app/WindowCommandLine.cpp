#include "app/WindowCommandLine.h"

#include <utility>

namespace kuitti {

WindowCommandLine RequestOf(bool help, bool version, std::string mistake) {
  using Request = WindowCommandLine::Request;
  if (help) {
    return {Request::kShowHelp, {}};
  }
  if (version) {
    return {Request::kShowVersion, {}};
  }
  if (!mistake.empty()) {
    return {Request::kRefuse, std::move(mistake)};
  }
  return {};
}

std::string WindowHelp(std::string_view usage, std::string_view setting, std::string_view separator,
                       std::string_view options) {
  std::string help(usage);
  help +=
      "\n"
      "Avaa ikkunan, joka näyttää ja tulostaa myyntitositteen kuittikopion. Datatiedostot\n"
      "CASSA.001, .002, .004 ja .005 luetaan kansiosta, jonka nimeää ";
  help += setting;
  help += "\nAsetus luetaan käynnistettäessä, ja sen arvon pitää päättyä merkkiin \"";
  help += separator;
  help +=
      "\".\n"
      "Ohjelma on auki kerrallaan yhden kerran käyttäjää kohden: uusi käynnistys tuo auki\n"
      "olevan ikkunan esiin ja päättyy.\n"
      "\n";
  help += kWindowKeysHelp;
  help += "\n";
  help += options;
  return help;
}

}  // namespace kuitti
