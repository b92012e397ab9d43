#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>

namespace kuitti {

// Qt's own texts (the text boxes' context menu, the message boxes' buttons) in the language of
// `locale`, from Qt's translation files, installed into the running application for as long
// as the result lives. Nothing, and so English, where Qt has no translation for the language.
std::unique_ptr<QTranslator> InstallQtTranslation(const QLocale& locale);

}  // namespace kuitti
