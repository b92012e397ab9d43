#include "PagePrinter.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include "RuntimeError.h"

namespace kuitti {

namespace {

[[noreturn]] void RaisePrinterError(const char* description) {
  throw RuntimeError(kPrinterError, description);
}

}  // namespace

PagePrinter::PagePrinter(Connect connect) : connect_(std::move(connect)) {
  // Whatever face the system maps the asked name to, it must keep the columns aligned.
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
}

PagePrinter::~PagePrinter() {
  AbortDocument();
}

void PagePrinter::SetFontName(const QString& name) {
  Device();
  font_.setFamily(name);
  if (painter_.isActive()) {
    painter_.setFont(font_);
  }
}

void PagePrinter::SetFontSize(float points) {
  Device();
  font_.setPointSizeF(points);
  if (painter_.isActive()) {
    painter_.setFont(font_);
  }
}

void PagePrinter::Print(const QString& text) {
  Device();
  if (!painter_.isActive()) {
    BeginPages();
  }
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  for (const QString& line : text.split(lineBreak)) {
    PrintLine(line);
  }
}

void PagePrinter::EndDocument() {
  if (!painter_.isActive()) {
    Reset();
    return;
  }
  const bool sent = painter_.end() && device_->printerState() != QPrinter::Error;
  Reset();
  if (!sent) {
    RaisePrinterError("Tulostin ei ottanut tulostustyötä vastaan.");
  }
}

void PagePrinter::AbortDocument() {
  if (painter_.isActive()) {
    device_->abort();
    painter_.end();
  }
  Reset();
}

QPrinter& PagePrinter::Device() {
  if (!device_) {
    device_ = connect_();
  }
  return *device_;
}

void PagePrinter::BeginPages() {
  if (!painter_.begin(device_.get())) {
    RaisePrinterError("Tulostustyötä ei voitu aloittaa.");
  }
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
  // Clipping to the printable area cuts over-long lines at the right margin.
  painter_.setClipRect(QRectF(0, 0, device_->width(), device_->height()));
  lineTop_ = 0;
}

void PagePrinter::PrintLine(const QString& line) {
  const QFontMetricsF metrics(painter_.font(), device_.get());
  if (lineTop_ > 0 && lineTop_ + metrics.height() > device_->height()) {
    if (!device_->newPage()) {
      RaisePrinterError("Tulostimelle ei voitu aloittaa uutta sivua.");
    }
    painter_.setClipRect(QRectF(0, 0, device_->width(), device_->height()));
    lineTop_ = 0;
  }
  painter_.drawText(QPointF(0, lineTop_ + metrics.ascent()), line);
  lineTop_ += metrics.lineSpacing();
}

void PagePrinter::Reset() {
  device_.reset();
}

}  // namespace kuitti
