#pragma once

#include "MessageBoxes.h"

namespace kuitti {

// Message boxes on screen, owned by the active window.
class QtMessageBoxes final : public MessageBoxes {
 public:
  void Show(const QString& text) override;
};

}  // namespace kuitti
