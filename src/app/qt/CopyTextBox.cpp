#include "app/qt/CopyTextBox.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cmath>

namespace kuitti {

namespace {

// The classic Courier the window asks for, at 9.75 points, draws 13-pixel lines at 96 DPI,
// which shows 36 whole lines of the copy in the box. The face "Courier" maps to here has far
// taller lines, so the box takes "Courier New" (the face the copy is printed in; Liberation Mono
// has its metrics) at the largest size up to the one asked for whose lines are no taller than
// 13 pixels.
constexpr qreal kPointStep = 0.25;
constexpr qreal kLineHeight = 13;

QFont CopyFont(const FontRequest& request) {
  QFont font(QStringLiteral("Courier New"));
  font.setWeight(static_cast<QFont::Weight>(request.weight));
  font.setItalic(request.italic);
  font.setUnderline(request.underline);
  font.setStrikeOut(request.strikeOut);
  // Whatever face the name maps to, the columns must stay aligned.
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  for (qreal points = request.points; points > kPointStep; points -= kPointStep) {
    font.setPointSizeF(points);
    if (std::ceil(QFontMetricsF(font).height()) <= kLineHeight) {
      break;
    }
  }
  return font;
}

}  // namespace

CopyTextBox::CopyTextBox(QWidget* parent, const FontRequest& font) : QPlainTextEdit(parent) {
  setFont(CopyFont(font));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // Tab moves on, as in every other control.
  setTabChangesFocus(true);
  // A copy is printed as fetched: its text can be selected, copied and scrolled, not changed.
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The copy's 74 columns fit the width; a copy longer than the box shows that there is more.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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

void CopyTextBox::CopyToClipboard() const {
  QString text = textCursor().hasSelection() ? textCursor().selection().toRawText() : CopyText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  QGuiApplication::clipboard()->setText(text);
}

}  // namespace kuitti
