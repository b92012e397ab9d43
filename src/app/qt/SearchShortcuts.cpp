#include "SearchShortcuts.h"

#include <QShortcut>

#include "Form1.h"
#include "SearchDialog.h"

namespace kuitti {

void AddSearchShortcuts(Form1& form, MessageBoxes& messages) {
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3)}) {
    auto* shortcut = new QShortcut(key, &form);
    QObject::connect(shortcut, &QShortcut::activated, &form, [&form, &messages] {
      auto* dialog = new SearchDialog(
          &form, form.DataPath(), messages,
          [&form](const std::string& voucher) { form.Steps().FetchVoucher(voucher); });
      dialog->setAttribute(Qt::WA_DeleteOnClose);
      dialog->open();
    });
  }
}

}  // namespace kuitti
