#pragma once

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <functional>
#include <memory>

#include "print/PageOutput.h"
#include "print/ReceiptPrinting.h"

namespace kuitti {

// Lays text out on PDF pages: line by line from the top-left corner of the text area (the
// shared rule's margins on the printer's page), a new page when the next line would not fit,
// the font made small enough for the longest line where asked, so every column reaches the
// paper. The finished document goes to its
// output; an aborted one goes nowhere.
class PagePrinter final : public Printer {
 public:
  // Gives the output of one document; throws RuntimeError when there is none to print on.
  using Open = std::function<std::unique_ptr<PageOutput>()>;

  explicit PagePrinter(Open open);
  ~PagePrinter() override;

  void SetFontName(const std::string& name) override;
  void SetFontSize(float points) override;
  void FitColumns(std::size_t columns) override;
  void Print(const std::string& text) override;
  void EndDocument() override;
  void AbortDocument() override;

 private:
  QPdfWriter& Device();
  void BeginPages();
  void PrintLine(const QString& line);
  void Reset();

  Open open_;
  QFont font_;
  std::unique_ptr<PageOutput> output_;
  std::unique_ptr<QPdfWriter> device_;
  QPainter painter_;
  qreal lineTop_ = 0;
};

}  // namespace kuitti
