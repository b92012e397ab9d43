#include "SearchShortcuts.h"

#include <QLineEdit>
#include <QShortcut>

#include "Form1.h"
#include "SearchDialog.h"

namespace kuitti {

void AddSearchShortcuts(Form1& form, MessageBoxes& messages) {
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3)}) {
    auto* shortcut = new QShortcut(key, &form);
    QObject::connect(shortcut, &QShortcut::activated, &form, [&form, &messages] {
      auto* dialog = new SearchDialog(&form, form.DataPath(), messages);
      dialog->setAttribute(Qt::WA_DeleteOnClose);
      QObject::connect(dialog, &QDialog::accepted, &form, [&form, dialog] {
        form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(dialog->ChosenVoucher());
        form.HaeKuitti();
      });
      dialog->open();
    });
  }
}

}  // namespace kuitti
