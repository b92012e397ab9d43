#include "support/DataFiles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "data/CodePage.h"
#include "data/Utf8.h"

namespace kuitti::test {

Bytes Text(std::string_view utf8, std::size_t width) {
  Bytes bytes;
  for (char32_t c : DecodeUtf8(utf8)) {
    const auto byte = EncodeWindows1252(c);
    if (!byte) {
      throw std::invalid_argument("not in the code page");
    }
    bytes.push_back(*byte);
  }
  if (bytes.size() > width) {
    throw std::invalid_argument("text wider than its field");
  }
  bytes.resize(width, ' ');
  return bytes;
}

Bytes LittleEndian(std::uint64_t value, std::size_t width) {
  Bytes bytes;
  for (std::size_t i = 0; i < width; ++i) {
    bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  }
  return bytes;
}

Bytes DoubleBytes(double value) {
  return LittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void Append(Bytes& to, const Bytes& bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

Bytes IndexRecord(std::string_view code, std::int32_t productRecordNumber) {
  Bytes bytes = Text(code, 13);
  Append(bytes, LittleEndian(static_cast<std::uint32_t>(productRecordNumber), 4));
  Append(bytes, Text(" ", 1));
  return bytes;
}

Bytes ProductRecordBytes(std::string_view code, std::string_view name) {
  Bytes bytes = Text(code, 13);
  Append(bytes, Text(name, 25));
  bytes.resize(356, 0);
  return bytes;
}

Bytes ReceiptRow(const Row& row) {
  Bytes bytes = Text(row.kind, 1);
  Append(bytes, Text(row.voucher, 6));
  Append(bytes, Text(row.rowNumber, 3));
  Append(bytes, DoubleBytes(row.saleTime));
  Append(bytes, Text("0102   ", 7));
  Append(bytes, Bytes(4, 0));
  Append(bytes, Text(row.productCode, 13));
  Append(bytes, Bytes(8, 0));
  Append(bytes, LittleEndian(static_cast<std::uint64_t>(row.priceRaw), 8));
  Append(bytes, LittleEndian(static_cast<std::uint64_t>(row.quantityRaw), 8));
  Append(bytes, Bytes(16, 0));
  Append(bytes, LittleEndian(static_cast<std::uint16_t>(row.vatRate), 2));
  bytes.resize(104, 0);
  return bytes;
}

DataDirectory::DataDirectory() {
  // A fresh name each time: creating the directory fails when the name is taken.
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto temporary = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = temporary / ("kuitti-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

DataDirectory::~DataDirectory() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void DataDirectory::Write(const std::string& name, const Bytes& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    throw std::runtime_error("cannot write " + name);
  }
}

void DataDirectory::WriteProducts(const std::vector<Product>& products) const {
  // Sorted on the fixed-width code field, so codes compare as the 13 bytes they are.
  using Code = std::array<unsigned char, 13>;
  Bytes productFile;
  std::vector<std::pair<Code, std::int32_t>> index;
  for (std::size_t i = 0; i < products.size(); ++i) {
    Append(productFile, ProductRecordBytes(products[i].code, products[i].name));
    const Bytes code = Text(products[i].code, std::tuple_size_v<Code>);
    Code field;
    std::copy(code.begin(), code.end(), field.begin());
    index.emplace_back(field, static_cast<std::int32_t>(i + 1));
  }
  std::sort(index.begin(), index.end());
  Bytes indexFile;
  for (const auto& [code, number] : index) {
    indexFile.insert(indexFile.end(), code.begin(), code.end());
    Append(indexFile, LittleEndian(static_cast<std::uint32_t>(number), 4));
    indexFile.push_back(' ');
  }
  Write("CASSA.001", indexFile);
  Write("CASSA.002", productFile);
}

void DataDirectory::WriteRows(const std::vector<Row>& rows) const {
  Bytes bytes;
  for (const Row& row : rows) {
    Append(bytes, ReceiptRow(row));
  }
  Write("CASSA.004", bytes);
}

void DataDirectory::WriteAll(const std::vector<Product>& products,
                             const std::vector<Row>& rows) const {
  WriteProducts(products);
  WriteRows(rows);
  Write("CASSA.005", {});
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kuitti::test
