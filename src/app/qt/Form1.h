#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "app/Form1Steps.h"
#include "app/Window.h"
#include "print/ReceiptPrinting.h"

namespace kuitti {

class MessageBoxes;

// The program's one window in Qt: the controls of the layout table, each with its name as
// object name (where tests and accessibility tools find it), their clicks and keys translated
// to the shared commands that the steps of Form1 run.
class Form1 final : public QWidget, private Window {
  Q_OBJECT

 public:
  // "Tulosta" prints on `printer`, or on the default printer when none is given.
  Form1(MessageBoxes& messages, std::unique_ptr<Printer> printer);
  ~Form1() override;

  void SetDataPath(const QString& dataPath);
  QString DataPath() const;

 private:
  QWidget* Make(const ControlLayout& layout);
  QWidget* ControlOf(Control control) const;
  // The keys that reach the window: its own, and those its focused control leaves (Ctrl+F and
  // F3 anywhere, Enter once the voucher box has had it). A key of Form1's table runs its command.
  void keyPressEvent(QKeyEvent* event) override;

  std::string Text(Control control) const override;
  void SetText(Control control, std::string_view text) override;
  void SetEnabled(Control control, bool enabled) override;
  void FocusAndSelectAll(Control control) override;
  void ShowMessage(std::string_view text) override;
  void SetBusy(bool busy) override;
  void OpenSearch() override;
  void Quit() override;
  std::optional<std::string> AskPdfPath(std::string_view proposedName) override;
  void CopyText() override;
  // The copy box's context menu, from the shared table.
  void ShowCopyBoxMenu(const QPoint& where);

  MessageBoxes& messages_;
  std::unique_ptr<Printer> printer_;
  Form1Steps steps_;
  std::array<QWidget*, form1::kControls.size()> controls_{};
};

}  // namespace kuitti
