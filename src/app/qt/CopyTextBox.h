#pragma once

#include <QPlainTextEdit>

#include "app/Form1Layout.h"

namespace kuitti {

// Text1 (the copy box): the receipt copy in a fixed-pitch face with 13-pixel lines, read-only,
// with a vertical scroll bar when the copy is longer than the box. The document keeps
// paragraphs, not line break characters, so the text goes in and comes out with CR LF between
// lines: a copy put in comes out exactly as it was.
class CopyTextBox final : public QPlainTextEdit {
 public:
  // The face asked for is mapped as described in the source, to keep the copy's lines.
  CopyTextBox(QWidget* parent, const FontRequest& font);

  QString CopyText() const;
  void SetCopyText(const QString& text);
  // Puts the selection on the clipboard, or the whole copy when nothing is selected.
  void CopyToClipboard() const;
};

}  // namespace kuitti
