#pragma once

#include "data/FileAccess.h"
#include "data/Records.h"

namespace kuitti {

// What a lookup found.
enum class ProductLookup {
  kFound,            // `product` holds the product the index names
  kNotInIndex,       // the index holds no such code; the name of `product` is blank
  kPastTheProducts,  // the index names a record past the end of the products file
};

// Finds `code` by bisection of the product index, reading every probe into `probe`, and on a
// hit reads the product it names from the products file into `product`. Only when the
// bisection misses is the index read from its first record to its last, taking the first
// record with the code: a till that appends new products leaves its index unsorted. A miss
// blanks the name of `product`: a code the index does not hold must not show the product
// found last.
ProductLookup LookUpProduct(RandomAccessFile& productIndex, RandomAccessFile& products,
                            const TextField<13>& code, ProductIndexRecord& probe,
                            ProductRecord& product);

}  // namespace kuitti
