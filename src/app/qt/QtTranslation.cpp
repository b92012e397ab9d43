#include "app/qt/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kuitti {

std::unique_ptr<QTranslator> InstallQtTranslation(const QLocale& locale) {
  auto translator = std::make_unique<QTranslator>();
  // "qtbase_fi.qm" under fi_FI; the widgets' texts are all in qtbase.
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator.get())) {
    return nullptr;
  }
  return translator;
}

}  // namespace kuitti
