#include "app/qt/SampleData.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/Process.h"

namespace kuitti::test {

namespace {

Outcome RunAsTheTest(const char* program, std::vector<std::string> arguments) {
  return RunProgram(program, {std::move(arguments), CurrentEnvironment(), ""});
}

QString Captured(const QString& text, const QString& label) {
  const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(": (\\d+)"));
  return pattern.match(text).captured(1);
}

SampleData Generate() {
  static QTemporaryDir directory;
  const Outcome made =
      RunAsTheTest(KUITTI_SAMPLE_DATA_TOOL, {"--out", directory.path().toStdString()});
  const QString report = QString::fromStdString(made.out);
  EXPECT_EQ(made.exitCode, 0) << made.out << made.err;
  SampleData samples{directory.path() + QLatin1Char('/'),
                     Captured(report, QStringLiteral("voucher to try")),
                     Captured(report, QStringLiteral("voucher with 20 rows"))};
  EXPECT_FALSE(samples.voucher.isEmpty()) << report.toStdString();
  EXPECT_FALSE(samples.longVoucher.isEmpty()) << report.toStdString();
  return samples;
}

}  // namespace

const SampleData& Samples() {
  static const SampleData samples = Generate();
  return samples;
}

Rendered RenderWithText(const QString& dataDirectory, const QString& entry) {
  const Outcome outcome = RunAsTheTest(
      KUITTI_TEXT_TOOL, {"--data", dataDirectory.toStdString(), "--", entry.toStdString()});
  return {outcome.exitCode, QByteArray::fromStdString(outcome.out),
          QByteArray::fromStdString(outcome.err)};
}

}  // namespace kuitti::test
