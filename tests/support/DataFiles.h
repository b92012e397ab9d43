#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kuitti::test {

using Bytes = std::vector<unsigned char>;

// Text as Windows-1252 bytes padded with spaces to the width; UTF-8 input, Latin-1 range only.
Bytes Text(std::string_view utf8, std::size_t width);
Bytes LittleEndian(std::uint64_t value, std::size_t width);
Bytes DoubleBytes(double value);
void Append(Bytes& to, const Bytes& bytes);

Bytes IndexRecord(std::string_view code, std::int32_t productRecordNumber);
Bytes ProductRecordBytes(std::string_view code, std::string_view name);

struct Row {
  std::string kind = "M";
  std::string voucher = "000001";
  std::string rowNumber = "001";
  double saleTime = 0;
  std::string productCode = "";
  std::int64_t priceRaw = 0;     // ten-thousandths
  std::int64_t quantityRaw = 0;  // ten-thousandths
  std::int16_t vatRate = 0;
};
Bytes ReceiptRow(const Row& row);

struct Product {
  std::string code;
  std::string name;
};

// A data directory in a fresh temporary folder, removed with the object.
class DataDirectory {
 public:
  DataDirectory();
  ~DataDirectory();
  DataDirectory(const DataDirectory&) = delete;
  DataDirectory& operator=(const DataDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path with a trailing separator, as the data directory setting holds it.
  std::string DataPath() const { return path_.string() + "/"; }

  void Write(const std::string& name, const Bytes& bytes) const;
  // Writes CASSA.001 (sorted by code, product numbers in the given order) and CASSA.002.
  void WriteProducts(const std::vector<Product>& products) const;
  void WriteRows(const std::vector<Row>& rows) const;
  // All four files, CASSA.005 empty.
  void WriteAll(const std::vector<Product>& products, const std::vector<Row>& rows) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

// The access modes (O_RDONLY ...) of this process's open descriptors on the files under the
// directory, by file name: empty when none is left open. On Windows the handles of every
// process count, told by the share modes that they refuse.
std::map<std::string, int> OpenAccessModes(const std::filesystem::path& directory);

}  // namespace kuitti::test
