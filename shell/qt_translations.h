#pragma once
// Qt's own texts (the open, save and print dialogs, the standard buttons,
// the context menus of text fields) in the user's language where Qt has a
// catalogue for it, in French otherwise: the program's own texts are French
// whatever the locale, and so must be the dialogs around them.
#include <QLocale>
#include <QString>

class QCoreApplication;

namespace quenor {

// The folder of Qt's catalogues, as this Qt reports it.
QString QtTranslationsFolder();

// The locale whose "qtbase" catalogue in `folder` will be loaded: the user's
// when the folder holds one for it, French when the user's locale is C or
// POSIX or has none.
QLocale QtTranslationLocale(const QLocale& userLocale, const QString& folder);

// Loads that catalogue into the application; false when even the French one
// is missing (Qt's texts then stay English).
bool InstallQtTranslations(QCoreApplication& application, const QLocale& userLocale = QLocale::system(),
                           const QString& folder = QtTranslationsFolder());

}  // namespace quenor
