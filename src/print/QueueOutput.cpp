#include "print/QueueOutput.h"

#include "print/PrinterPageLayout.h"

namespace kuitti {

QueueOutput::QueueOutput() {
  queue_.CheckReady();
  layout_ = PrinterPageLayout(QString::fromStdString(queue_.name()));
  pdf_.open(QIODevice::WriteOnly);
}

void QueueOutput::Deliver() {
  const QByteArray& pdf = pdf_.data();
  queue_.Submit(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                "Kuittikopio");
}

}  // namespace kuitti
