// Runs whole fetches and searches over arbitrary data files, entries and criteria. Only
// numbered run-time errors may come out; anything else (a crash, a sanitizer report, another
// exception, a hang) is a finding.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "cli/ListingLine.h"
#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/SearchTerms.h"
#include "support/MemoryFile.h"

namespace {

constexpr const char* kFileNames[4] = {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"};
constexpr std::string_view kDataPath = "/data/";

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// What every copy must look like.
void CheckCopy(const std::optional<kuitti::ReceiptCopy>& copy) {
  if (copy) {
    Require(copy->text.starts_with("Kuittikopio, tositenumero M"));
    Require(copy->text.ends_with(std::string(74, '=')));
    for (const std::string& warning : copy->warnings) {
      Require(!warning.empty() && warning.find('\n') == std::string::npos);
    }
  }
}

// The entry read as each kind of criterion; bits 5 to 7 of the flags choose which apply. A
// day that is no date is taken from the entry's first bytes, so that rows can meet it.
kuitti::SearchCriteria CriteriaOf(const kuitti::fuzz::FuzzInput& input) {
  const std::string& entry = input.entry;
  kuitti::SearchCriteria criteria;
  if (input.flags & 0x20) {
    criteria.fromDay = kuitti::ParseDay(entry);
    if (!criteria.fromDay && entry.size() >= 3) {
      criteria.fromDay = static_cast<std::int16_t>(static_cast<unsigned char>(entry[0]) |
                                                   static_cast<unsigned char>(entry[1]) << 8);
      criteria.toDay = *criteria.fromDay + static_cast<unsigned char>(entry[2]) - 16;
    }
  }
  if (input.flags & 0x40) {
    criteria.total = kuitti::ParseAmount(entry);
  }
  if (input.flags & 0x80) {
    criteria.productCode = entry;
    criteria.number = entry;
  }
  return criteria;
}

// A search with a small limit must list the last rows of the search without one, in the same
// order.
void Search(kuitti::FileSystem& files, const kuitti::fuzz::FuzzInput& input) {
  const kuitti::SearchCriteria criteria = CriteriaOf(input);
  const std::size_t limit = input.entry.size() % 4;
  kuitti::SearchResult all;
  kuitti::SearchResult last;
  try {
    all = kuitti::FindReceipts(std::string(kDataPath), files, criteria);
    last = kuitti::FindReceipts(std::string(kDataPath), files, criteria, limit);
  } catch (const kuitti::RuntimeError& error) {
    Require(error.number() > 0 && !error.description().empty());
    return;
  }
  Require(all.matched == static_cast<std::int64_t>(all.hits.size()));
  Require(last.matched == all.matched);
  Require(last.hits.size() == std::min(limit, all.hits.size()));
  const std::size_t skipped = all.hits.size() - last.hits.size();
  for (std::size_t i = 0; i < last.hits.size(); ++i) {
    Require(last.hits[i].voucher == all.hits[skipped + i].voucher);
  }
  // Every row listed has a date, so its line cannot fail (an exception here aborts).
  for (const kuitti::ReceiptHit& hit : all.hits) {
    Require(kuitti::ListingLine(hit, ",").starts_with("M"));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kuitti::fuzz::FuzzInput input = kuitti::fuzz::SplitFuzzInput(data, size);
  kuitti::test::MemoryFileSystem files;
  for (int i = 0; i < 4; ++i) {
    if ((input.flags & (1u << i)) == 0) {
      files.Put(std::string(kDataPath) + kFileNames[i], input.files[i]);
    }
  }
  const kuitti::NumberFormat format{(input.flags & 0x10) ? "." : ","};

  // Two fetches with one program state: the record buffers carry over between them.
  kuitti::Module1 module;
  module.sales.DataPath = kDataPath;
  for (int fetch = 0; fetch < 2; ++fetch) {
    try {
      CheckCopy(kuitti::FetchReceiptCopy(module, files, input.entry, format));
    } catch (const kuitti::RuntimeError& error) {
      Require(error.number() > 0 && !error.description().empty());
    }
  }
  Search(files, input);
  return 0;
}
