#pragma once

#include <QByteArray>
#include <QString>

namespace kuitti::test {

// The bundled sample data, written once per test program into a temporary directory.
struct SampleData {
  QString directory;    // ends with "/", as the data directory setting should
  QString voucher;      // the voucher the generator suggests
  QString longVoucher;  // a voucher with many rows
};
const SampleData& Samples();

// What kuittikopio-text gives for an entry: the copy (exit status 0) or the message.
struct Rendered {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};
Rendered RenderWithText(const QString& dataDirectory, const QString& entry);

}  // namespace kuitti::test
