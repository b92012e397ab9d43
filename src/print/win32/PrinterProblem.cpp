#include "print/win32/PrinterProblem.h"

#include <windows.h>

namespace kuitti {

std::optional<std::string> PrinterProblem(const std::string& name, unsigned long status,
                                          unsigned long attributes) {
  if (status & PRINTER_STATUS_PENDING_DELETION) {
    return "Tulostin " + name + " ei ota vastaan töitä.";
  }
  constexpr unsigned long kWaits = PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE |
                                   PRINTER_STATUS_ERROR | PRINTER_STATUS_NOT_AVAILABLE;
  if ((status & kWaits) || (attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE)) {
    return "Tulostin " + name + " on pysäytetty; työ jäisi odottamaan.";
  }
  return std::nullopt;
}

}  // namespace kuitti
