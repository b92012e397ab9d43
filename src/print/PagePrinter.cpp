#include "print/PagePrinter.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include "data/RuntimeError.h"
#include "print/PrintLayout.h"

namespace kuitti {
namespace {

[[noreturn]] void RaisePrinterError(const char* description) {
  throw RuntimeError(kPrinterError, description);
}

// The printer's page with the text area of the shared rule as its margins.
QPageLayout WithTextArea(QPageLayout layout) {
  const QRectF paper = layout.fullRect(QPageLayout::Point);
  const QMarginsF unprintable = layout.margins(QPageLayout::Point);
  const TextArea area = TextAreaOf({paper.width(), paper.height(), unprintable.left(),
                                    unprintable.top(), unprintable.right(), unprintable.bottom()});
  layout.setUnits(QPageLayout::Point);
  layout.setMinimumMargins({});
  layout.setMargins({area.left, area.top, paper.width() - area.left - area.width,
                     paper.height() - area.top - area.height});
  return layout;
}

}  // namespace

PagePrinter::PagePrinter(Open open) : open_(std::move(open)) {
  // Whatever face the system maps the asked name to, it must keep the columns aligned.
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
}

PagePrinter::~PagePrinter() {
  AbortDocument();
}

void PagePrinter::SetFontName(const std::string& name) {
  Device();
  font_.setFamily(QString::fromStdString(name));
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

void PagePrinter::FitColumns(std::size_t columns) {
  Device();
  const QFontMetricsF metrics(font_, device_.get());
  const double size = FittingFontSize(
      font_.pointSizeF(), metrics.horizontalAdvance(QLatin1Char('M')), columns, device_->width());
  if (size < font_.pointSizeF()) {
    font_.setPointSizeF(size);
    if (painter_.isActive()) {
      painter_.setFont(font_);
    }
  }
}

void PagePrinter::Print(const std::string& text) {
  Device();
  if (!painter_.isActive()) {
    BeginPages();
  }
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  for (const QString& line : QString::fromStdString(text).split(lineBreak)) {
    PrintLine(line);
  }
}

void PagePrinter::EndDocument() {
  if (!painter_.isActive()) {
    Reset();
    return;
  }
  const bool drawn = painter_.end();
  device_.reset();
  const std::unique_ptr<PageOutput> output = std::move(output_);
  if (!drawn) {
    RaisePrinterError("Tulostettavaa asiakirjaa ei voitu muodostaa.");
  }
  output->Deliver();
}

void PagePrinter::AbortDocument() {
  if (painter_.isActive()) {
    painter_.end();
  }
  Reset();
}

QPdfWriter& PagePrinter::Device() {
  if (!device_) {
    output_ = open_();
    device_ = std::make_unique<QPdfWriter>(&output_->Device());
    device_->setPageLayout(WithTextArea(output_->Layout()));
    // The resolution Qt printed at before the pages went through PDF; line positions follow it.
    device_->setResolution(1200);
    device_->setCreator(QStringLiteral("kuittikopio"));
    device_->setTitle(QStringLiteral("Kuittikopio"));
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
  // The writer first: it refers to the output's device.
  device_.reset();
  output_.reset();
}

}  // namespace kuitti
