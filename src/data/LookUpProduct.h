#pragma once

#include "FileAccess.h"
#include "Records.h"

namespace kuitti {

// Finds `code` by bisection of the product index, reading every probe into `probe`, and on a
// hit reads the product it names from the products file into `product`. A miss blanks the
// name of `product`: a code the index does not hold must not show the product found last.
void LookUpProduct(RandomAccessFile& productIndex, RandomAccessFile& products,
                   const TextField<13>& code, ProductIndexRecord& probe, ProductRecord& product);

}  // namespace kuitti
