#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "Form1Steps.h"
#include "ReceiptPrinting.h"
#include "Window.h"

namespace kuitti {

class MessageBoxes;

// The program's one window in Qt: the controls of the layout table, each with its name as
// object name (where tests and accessibility tools find it), their events wired to the steps
// of Form1.
class Form1 final : public QWidget, private Window {
  Q_OBJECT

 public:
  Form1(MessageBoxes& messages, std::unique_ptr<Printer> printer);
  ~Form1() override;

  void SetDataPath(const QString& dataPath);
  QString DataPath() const;

  void HaeKuitti() { steps_.HaeKuitti(); }
  Form1Steps& Steps() { return steps_; }

 private:
  QWidget* Make(const ControlLayout& layout);
  QWidget* ControlOf(Control control) const;

  std::string Text(Control control) const override;
  void SetText(Control control, std::string_view text) override;
  void SetEnabled(Control control, bool enabled) override;
  void FocusAndSelectAll(Control control) override;
  void ShowMessage(std::string_view text) override;
  void SetBusy(bool busy) override;

  MessageBoxes& messages_;
  std::unique_ptr<Printer> printer_;
  Form1Steps steps_;
  std::array<QWidget*, form1::kControls.size()> controls_{};
};

}  // namespace kuitti
