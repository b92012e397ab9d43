#include "CopyTextBox.h"

#include <QTextDocument>

namespace kuitti {

CopyTextBox::CopyTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // No bars; the box still scrolls with the keyboard and the wheel.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString CopyTextBox::CopyText() const {
  // The raw text keeps no-break spaces, which toPlainText() would turn into plain ones.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  return text;
}

void CopyTextBox::SetCopyText(const QString& text) {
  setPlainText(text);
}

}  // namespace kuitti
