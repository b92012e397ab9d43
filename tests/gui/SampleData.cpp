#include "SampleData.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kuitti::test {

namespace {

QByteArray Run(const QString& program, const QStringList& arguments, int& exitCode,
               QByteArray* err = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << program.toStdString() << " did not finish";
  }
  exitCode = process.exitCode();
  if (err) {
    *err = process.readAllStandardError();
  }
  return process.readAllStandardOutput();
}

QString Captured(const QString& text, const QString& label) {
  const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(": (\\d+)"));
  return pattern.match(text).captured(1);
}

SampleData Generate() {
  static QTemporaryDir directory;
  int exitCode = -1;
  const QString report =
      QString::fromUtf8(Run(QStringLiteral(KUITTI_SAMPLE_DATA_TOOL),
                            {QStringLiteral("--out"), directory.path()}, exitCode));
  EXPECT_EQ(exitCode, 0) << report.toStdString();
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
  Rendered rendered;
  rendered.out = Run(QStringLiteral(KUITTI_TEXT_TOOL),
                     {QStringLiteral("--data"), dataDirectory, QStringLiteral("--"), entry},
                     rendered.exitCode, &rendered.err);
  return rendered;
}

}  // namespace kuitti::test
