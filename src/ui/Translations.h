#pragma once
// The window's language: the first of the desktop's languages (LANGUAGE,
// then the system locale) that the program has a catalogue for; English,
// the language of the sources, needs none and ends the search. Catalogues
// (pellin_<language>.qm) lie in a "translations" folder beside the program
// in a build tree, or in the data folder of an installed copy; Qt's own
// catalogue, when the system has it, translates its standard dialogs.

#include <QString>
#include <QStringList>
#include <string>

class QCoreApplication;

namespace ui {

// The languages the user asked for, most wanted first ("de_DE", "pt_BR").
QStringList PreferredLanguages();
// Where the program's catalogues are looked for.
QStringList TranslationFolders(const std::string& exeName);
// The catalogue file for the first preferred language that has one, or
// empty when the window stays in English.
QString ChooseCatalogue(const QStringList& languages, const QStringList& folders);
// Installs the chosen catalogue (and Qt's own) into the application; the
// translators live as long as the application.
void InstallTranslations(QCoreApplication& app, const std::string& exeName);

}  // namespace ui
