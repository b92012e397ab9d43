// Data files and entries as they come from the field: damaged, half written, odd. Every case
// ends either in a sound copy or in a numbered error that says what is wrong.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>
#include <limits>
#include <string>

#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"
#include "support/ErrorNumber.h"
#include "support/Fetch.h"

namespace kuitti::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

const std::vector<Product> kProducts = {{"6410000000011", "Maito 1l"},
                                        {"6410000000028", "Ruisleipä"}};

Row Item(std::string code, std::int64_t priceRaw, std::int64_t quantityRaw, std::int16_t vat,
         std::string rowNumber = "001") {
  return Row{.kind = "M",
             .voucher = "123456",
             .rowNumber = rowNumber,
             .productCode = code,
             .priceRaw = priceRaw,
             .quantityRaw = quantityRaw,
             .vatRate = vat};
}

Row Totals(std::int64_t totalRaw, std::int64_t roundingRaw, double saleTime = 45000.5) {
  return Row{.kind = "M",
             .voucher = "123456",
             .saleTime = saleTime,
             .priceRaw = totalRaw,
             .quantityRaw = roundingRaw};
}

const std::vector<Row> kRows = {Item("6410000000011", 12500, 10000, 14),
                                Item("6410000000028", 25000, 20000, 14, "002"), Totals(62500, 0)};

enum class Outcome { kCopy, kNotFound, kError };

struct Case {
  std::string name;
  std::function<void(const DataDirectory&)> prepare;  // changes the good data set
  std::string entry = "123456";
  Outcome outcome = Outcome::kCopy;
  int errorNumber = 0;
  std::string expectedText;  // in the copy, or in the error's description ("{dir}" = data dir)
  std::string dataPathSuffix = "/";
};

Bytes Concat(Bytes a, const Bytes& b) {
  Append(a, b);
  return a;
}

Bytes RowsWith(std::vector<Row> rows) {
  Bytes bytes;
  for (const Row& row : rows) {
    Append(bytes, ReceiptRow(row));
  }
  return bytes;
}

void Remove(const DataDirectory& d, const char* name) {
  std::filesystem::remove(d.path() / name);
}

std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
    cases.push_back({std::string("missing ") + name,
                     [name](const DataDirectory& d) { Remove(d, name); }, "123456", Outcome::kError,
                     53, std::string("Tiedostoa ei löydy: {dir}/") + name});
  }
  cases.push_back({"a directory in place of CASSA.004",
                   [](const DataDirectory& d) {
                     Remove(d, "CASSA.004");
                     std::filesystem::create_directory(d.path() / "CASSA.004");
                   },
                   "123456", Outcome::kError, 75, "Ei tavallinen tiedosto: {dir}/CASSA.004"});
#ifndef _WIN32
  // A Windows folder holds no named pipe; the pipes of Windows are tested with its file layer.
  cases.push_back({"a named pipe in place of CASSA.002 (must not hang)",
                   [](const DataDirectory& d) {
                     Remove(d, "CASSA.002");
                     ASSERT_EQ(::mkfifo((d.path() / "CASSA.002").c_str(), 0600), 0);
                   },
                   "123456", Outcome::kError, 75, "Ei tavallinen tiedosto: {dir}/CASSA.002"});
#endif
  cases.push_back({"the data directory itself missing",
                   [](const DataDirectory& d) { std::filesystem::remove_all(d.path()); }, "123456",
                   Outcome::kError, 76, "Kansiota ei ole olemassa: {dir}/"});
  cases.push_back({"a data directory setting without the final separator", nullptr, "123456",
                   Outcome::kError, 53, "Tiedostoa ei löydy: {dir}CASSA.001", ""});
  cases.push_back({"empty files everywhere",
                   [](const DataDirectory& d) {
                     for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004"}) {
                       d.Write(name, {});
                     }
                   },
                   "123456", Outcome::kNotFound, 0, ""});
  cases.push_back({"an empty product index: names of the all-zero product buffer show as spaces",
                   [](const DataDirectory& d) { d.Write("CASSA.001", {}); }, "123456",
                   Outcome::kCopy, 0,
                   "6410000000011 001" + std::string(29, ' ') + "14     1      1,25      1,25"});
  cases.push_back({"CASSA.004 with a partial record at the end",
                   [](const DataDirectory& d) {
                     d.Write("CASSA.004", Concat(RowsWith(kRows), Bytes(60, 'M')));
                   },
                   "123456", Outcome::kCopy, 0, "Maksettu        6,25"});
  cases.push_back({"CASSA.001 with a partial record at the end",
                   [](const DataDirectory& d) {
                     Bytes index =
                         Concat(IndexRecord("6410000000011", 1), IndexRecord("6410000000028", 2));
                     d.Write("CASSA.001", Concat(index, Bytes(10, '9')));
                   },
                   "123456", Outcome::kCopy, 0, "002  Ruisleipä"});
  cases.push_back({"a product record number of 0",
                   [](const DataDirectory& d) {
                     d.Write("CASSA.001", Concat(IndexRecord("6410000000011", 0),
                                                 IndexRecord("6410000000028", 2)));
                   },
                   "123456", Outcome::kError, 63,
                   "Virheellinen tietuenumero 0 tuotekoodilla 6410000000011 tiedostossa "
                   "{dir}/CASSA.001 (tiedosto {dir}/CASSA.004, tietue 1)"});
  cases.push_back({"a negative product record number",
                   [](const DataDirectory& d) {
                     d.Write("CASSA.001", Concat(IndexRecord("6410000000011", -7),
                                                 IndexRecord("6410000000028", 2)));
                   },
                   "123456", Outcome::kError, 63,
                   "Virheellinen tietuenumero -7 tuotekoodilla 6410000000011 tiedostossa "
                   "{dir}/CASSA.001 (tiedosto {dir}/CASSA.004, tietue 1)"});
  cases.push_back({"a product record number past the end of CASSA.002 reads as zeros",
                   [](const DataDirectory& d) {
                     d.Write("CASSA.001", Concat(IndexRecord("6410000000011", 1),
                                                 IndexRecord("6410000000028", 99999)));
                   },
                   "123456", Outcome::kCopy, 0,
                   "6410000000028 002" + std::string(29, ' ') + "14     2      2,50      5,00"});
  cases.push_back({"index records out of order still name a code they hold",
                   [](const DataDirectory& d) {
                     d.Write("CASSA.001", Concat(Concat(IndexRecord("6410000000028", 2),
                                                        IndexRecord("6410000000011", 1)),
                                                 IndexRecord("0000000000000", 1)));
                   },
                   "123456", Outcome::kCopy, 0,
                   "6410000000028 002  Ruisleipä                  14     2      2,50      5,00"});
  cases.push_back({"NUL-filled and control-character text fields show as spaces",
                   [](const DataDirectory& d) {
                     Bytes row = ReceiptRow(Item("6410000000011", 10000, 10000, 24));
                     std::fill(row.begin() + 7, row.begin() + 10, '\t');
                     Bytes product = ProductRecordBytes("6410000000011", "");
                     std::fill(product.begin() + 13, product.begin() + 38, '\0');
                     product[14] = 0x7F;
                     d.Write("CASSA.002", product);
                     d.Write("CASSA.001", IndexRecord("6410000000011", 1));
                     d.Write("CASSA.004", Concat(row, RowsWith({Totals(10000, 0)})));
                   },
                   "123456", Outcome::kCopy, 0,
                   "6410000000011" + std::string(33, ' ') + "24     1      1,00      1,00"});
  cases.push_back(
      {"the largest price times a quantity of one: the columns keep their rightmost characters",
       [](const DataDirectory& d) { d.WriteRows({Item("6410000000011", kMax, 10000, 0)}); },
       "123456", Outcome::kCopy, 0, "0     13685477,583685477,58"});
  cases.push_back({"50 VAT keys",
                   [](const DataDirectory& d) {
                     std::vector<Row> rows;
                     for (std::int16_t key = 0; key < 50; ++key) {
                       rows.push_back(Item("6410000000011", 10000, 10000, key));
                     }
                     d.WriteRows(rows);
                   },
                   "123456", Outcome::kCopy, 0, "49          0,67          0,33             1,00"});
  cases.push_back({"an entry of 10,000 characters", nullptr, std::string(10000, '1'),
                   Outcome::kNotFound, 0, ""});
  cases.push_back({"an entry with a tab", nullptr, "\t123456", Outcome::kNotFound, 0, ""});
  cases.push_back(
      {"an entry of full-width digits", nullptr, "１２３４５６", Outcome::kNotFound, 0, ""});
  cases.push_back({"an entry with a character of the code page's upper half matches its byte",
                   [](const DataDirectory& d) {
                     Row row = Item("6410000000011", 10000, 10000, 24);
                     row.voucher = "12345€";
                     d.WriteRows({row});
                   },
                   " 12345€ ", Outcome::kCopy, 0, "Kuittikopio, tositenumero M 12345€ -001"});
  cases.push_back({"an entry with invalid UTF-8 matches nothing", nullptr, "12345\xFF",
                   Outcome::kNotFound, 0, ""});
  return cases;
}

std::string WithDirectory(std::string text, const std::string& directory) {
  for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
    text.replace(at, 5, directory);
  }
  return text;
}

TEST(BadInputs, EachEndsInASoundCopyOrANumberedError) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    DataDirectory directory;
    directory.WriteAll(kProducts, kRows);
    if (c.prepare) {
      c.prepare(directory);
    }
    Module1 module;
    module.sales.DataPath = directory.path().string() + c.dataPathSuffix;
    try {
      const auto copy = FetchReceiptCopy(module, SystemFileSystem(), c.entry, NumberFormat{","});
      ASSERT_NE(c.outcome, Outcome::kError) << "no error; copy:\n" << (copy ? copy->text : "");
      if (c.outcome == Outcome::kNotFound) {
        EXPECT_EQ(copy, std::nullopt);
      } else {
        ASSERT_TRUE(copy) << "not found";
        EXPECT_NE(copy->text.find(c.expectedText), std::string::npos)
            << "expected «" << c.expectedText << "» in\n"
            << copy->text;
        EXPECT_TRUE(copy->text.ends_with(std::string(74, '=')));
      }
    } catch (const RuntimeError& error) {
      ASSERT_EQ(c.outcome, Outcome::kError) << error.what();
      EXPECT_EQ(error.number(), c.errorNumber);
      EXPECT_EQ(error.description(), WithDirectory(c.expectedText, directory.path().string()));
    }
    EXPECT_TRUE(OpenAccessModes(directory.path()).empty()) << "files left open";
  }
}

// Wine keeps no access rights of its own on files, so Windows has no such test here; its
// sharing violations, which refuse an open as denied rights do, are tested with its file layer.
#ifndef _WIN32
RaisedError FetchError(const std::string& dataPath) {
  Module1 module;
  module.sales.DataPath = dataPath;
  return ErrorOf(
      [&] { FetchReceiptCopy(module, SystemFileSystem(), "123456", NumberFormat{","}); });
}

TEST(BadInputs, AFileWithoutReadPermissionIsNamedInTheError) {
  DataDirectory directory;
  directory.WriteAll(kProducts, kRows);
  std::filesystem::permissions(directory.path(), std::filesystem::perms::owner_all |
                                                     std::filesystem::perms::group_exec |
                                                     std::filesystem::perms::others_exec);
  std::filesystem::permissions(directory.path() / "CASSA.002", std::filesystem::perms::none);
  const std::string expected = "Ei lukuoikeutta tiedostoon: " + directory.DataPath() + "CASSA.002";
  if (::geteuid() != 0) {
    const RaisedError error = FetchError(directory.DataPath());
    EXPECT_EQ(error.number, 70);
    EXPECT_EQ(error.description, expected);
    return;
  }
  // Root reads every file: try as the unprivileged user "nobody" in a child process.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
      ::_exit(2);
    }
    const RaisedError error = FetchError(directory.DataPath());
    const bool asExpected = error.number == 70 && error.description == expected;
    ::_exit(asExpected ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: wrong error, 2: could not drop privileges";
}
#endif

TEST(BadInputs, ADataDirectoryWithSpacesInItsNameWorks) {
  DataDirectory parent;
#ifdef _WIN32
  const auto spaced = parent.path() / " kassa data";  // Windows drops spaces at a name's end
#else
  const auto spaced = parent.path() / " kassa data ";
#endif
  std::filesystem::create_directory(spaced);
  parent.WriteAll(kProducts, kRows);
  for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
    std::filesystem::rename(parent.path() / name, spaced / name);
  }
  Module1 module;
  module.sales.DataPath = spaced.string() + "/";
  const auto copy = FetchReceiptCopy(module, SystemFileSystem(), "123456", NumberFormat{","});
  ASSERT_TRUE(copy);
  EXPECT_NE(copy->text.find("Maksettu        6,25"), std::string::npos);
}

// Memory running out during a fetch ends in a numbered error with the files closed, not in a
// crash: a damaged file can name one voucher on millions of rows.
TEST(BadInputs, RunningOutOfMemoryIsANumberedError) {
  class ExhaustedFileSystem final : public FileSystem {
   public:
    std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override {
      if (path.ends_with("CASSA.005")) {
        throw std::bad_alloc();
      }
      return SystemFileSystem().OpenShared(path);
    }
  } exhausted;
  DataDirectory directory;
  directory.WriteAll(kProducts, kRows);
  Module1 module;
  module.sales.DataPath = directory.DataPath();
  const RaisedError error =
      ErrorOf([&] { FetchReceiptCopy(module, exhausted, "123456", NumberFormat{","}); });
  EXPECT_EQ(error.number, 7);
  EXPECT_EQ(error.description, "Muisti loppui");
  EXPECT_TRUE(OpenAccessModes(directory.path()).empty()) << "files left open";
}

}  // namespace
}  // namespace kuitti::test
