#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/process/InstallLayout.h"

namespace ui {

namespace {

// "de-DE.UTF-8" and "de_DE@euro" both come to "de_DE".
QString BareTag(QString language) {
    language = language.section('.', 0, 0).section('@', 0, 0);
    language.replace('-', '_');
    return language;
}

// The names to try for one language, most precise first: "zh_Hans_CN"
// gives zh_Hans_CN, zh_CN and zh.
QStringList Candidates(const QString& tag) {
    const QStringList parts = tag.split('_', Qt::SkipEmptyParts);
    QStringList names{tag};
    if (parts.size() == 3) names << parts[0] + '_' + parts[2];
    if (parts.size() > 1) names << parts[0];
    return names;
}

}  // namespace

QStringList PreferredLanguages() {
    QStringList languages;
    for (const QString& language :
         QString::fromLocal8Bit(qgetenv("LANGUAGE")).split(':', Qt::SkipEmptyParts))
        languages << BareTag(language);
    for (const QString& language : QLocale::system().uiLanguages()) languages << BareTag(language);
    languages.removeDuplicates();
    return languages;
}

QStringList TranslationFolders(const std::string& exeName) {
    const QString beside = QFileInfo(QString::fromStdString(exeName)).absolutePath();
    return {beside + "/translations",
            QString::fromStdString(platform::SharedDataFolder(exeName)) + "translations"};
}

QString ChooseCatalogue(const QStringList& languages, const QStringList& folders) {
    for (const QString& language : languages) {
        for (const QString& name : Candidates(language)) {
            if (name == "en" || name == "C" || name == "POSIX") return {};
            for (const QString& folder : folders) {
                const QString file = folder + "/pellin_" + name + ".qm";
                if (QFileInfo::exists(file)) return file;
            }
        }
    }
    return {};
}

void InstallTranslations(QCoreApplication& app, const std::string& exeName) {
    const QString catalogue = ChooseCatalogue(PreferredLanguages(), TranslationFolders(exeName));
    if (catalogue.isEmpty()) return;
    auto* own = new QTranslator(&app);
    if (own->load(catalogue))
        app.installTranslator(own);
    else
        delete own;
    // "pellin_pt_BR.qm" asks for Qt's "qtbase_pt_BR.qm".
    const QString language = QFileInfo(catalogue).completeBaseName().mid(7);
    auto* qt = new QTranslator(&app);
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
}

}  // namespace ui
