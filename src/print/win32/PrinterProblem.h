#pragma once

#include <optional>
#include <string>

namespace kuitti {

// What stops a job on a printer with this PRINTER_INFO_2 status and attributes from being
// printed now, in the words of the CUPS path: a paused, offline or failed printer would keep
// the job waiting unseen, one being deleted takes none. Nothing when it can print.
std::optional<std::string> PrinterProblem(const std::string& name, unsigned long status,
                                          unsigned long attributes);

}  // namespace kuitti
