#pragma once

#include "data/SalesData.h"
#include "receipt/VatBreakdown.h"

namespace kuitti {

// Everything the program keeps for its whole run; the window (or the renderer) owns one.
struct Module1 {
  SalesData sales;
  VatBreakdown vatBreakdown;
};

}  // namespace kuitti
