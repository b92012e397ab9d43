#pragma once

#include <QBuffer>

#include "print/CupsQueue.h"
#include "print/PageOutput.h"

namespace kuitti {

// The default print queue: its state is checked before anything is drawn, the pages are laid
// out on its page size, and the finished PDF goes to it as one job.
class QueueOutput final : public PageOutput {
 public:
  // Throws RuntimeError when there is no ready default printer to print on.
  QueueOutput();

  QPageLayout Layout() const override { return layout_; }
  QIODevice& Device() override { return pdf_; }
  void Deliver() override;

 private:
  CupsQueue queue_;
  QPageLayout layout_;
  QBuffer pdf_;
};

}  // namespace kuitti
