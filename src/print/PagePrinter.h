#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "ReceiptPrinting.h"

namespace kuitti {

// Lays text out on the pages of a QPrinter: line by line from the top-left corner of the
// printable area, a new page when the next line would not fit, every line cut at the right
// margin rather than wrapped, so the fixed-width columns survive on paper.
class PagePrinter final : public Printer {
 public:
  // Gives the device for one document; throws RuntimeError when there is none to print on.
  using Connect = std::function<std::unique_ptr<QPrinter>()>;

  explicit PagePrinter(Connect connect);
  ~PagePrinter() override;

  void SetFontName(const QString& name) override;
  void SetFontSize(float points) override;
  void Print(const QString& text) override;
  void EndDocument() override;
  void AbortDocument() override;

 private:
  QPrinter& Device();
  void BeginPages();
  void PrintLine(const QString& line);
  void Reset();

  Connect connect_;
  QFont font_;
  std::unique_ptr<QPrinter> device_;
  QPainter painter_;
  qreal lineTop_ = 0;
};

}  // namespace kuitti
