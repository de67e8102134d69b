// Every catalogue the package ships translates every text of the window
// (as the build's template lists them) and keeps each placeholder; the
// language follows the desktop's choice.

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include "UiTestSupport.h"
#include "ui/RunStatusBar.h"
#include "ui/Translations.h"

namespace uitest {
namespace {

struct Text {
    QString context, source, comment;
};

std::vector<Text> TemplateTexts() {
    QFile file(PELLIN_BIN_DIR "/../translations/pellin.ts");
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<Text> texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") texts.push_back({context, {}, {}});
        if (xml.name() == u"source") texts.back().source = xml.readElementText();
        if (xml.name() == u"comment") texts.back().comment = xml.readElementText();
    }
    return texts;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder("%[1-9]");
    for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
    found.sort();
    return found;
}

TEST(Translations, EveryCatalogueTranslatesEveryTextAndKeepsItsPlaceholders) {
    const std::vector<Text> texts = TemplateTexts();
    ASSERT_GT(texts.size(), 50u) << "no template beside the build";
    for (const char* language : {"de", "fr", "es", "pt_BR", "ru", "zh_CN", "ja"}) {
        SCOPED_TRACE(language);
        QTranslator catalogue;
        ASSERT_TRUE(
            catalogue.load(QString(PELLIN_BIN_DIR "/translations/pellin_%1.qm").arg(language)));
        QStringList untranslated, broken;
        for (const Text& text : texts) {
            const QString translated = catalogue.translate(text.context.toUtf8().constData(),
                                                           text.source.toUtf8().constData(),
                                                           text.comment.toUtf8().constData());
            if (translated.isEmpty())
                untranslated << text.context + ": \"" + text.source + "\"";
            else if (Placeholders(translated) != Placeholders(text.source))
                broken << text.context + ": \"" + text.source + "\" -> \"" + translated + "\"";
        }
        EXPECT_TRUE(untranslated.isEmpty())
            << "Not translated (run scripts/update-translations.sh, then translate):\n  "
            << untranslated.join("\n  ").toStdString();
        EXPECT_TRUE(broken.isEmpty())
            << "Placeholders lost:\n  " << broken.join("\n  ").toStdString();
    }
}

// The texts reach the window under the names its classes have at run
// time (a class in a namespace is named with it).
class TranslatedWindow : public UiTest {};

TEST_F(TranslatedWindow, ShowsTheCataloguesTexts) {
    QTranslator german;
    ASSERT_TRUE(german.load(PELLIN_BIN_DIR "/translations/pellin_de.qm"));
    QCoreApplication::installTranslator(&german);
    TvxFrmMain& window = MakeWindow();
    window.StatusBar->ShowCounts({3, 1, 0, 0, 0});
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(window.aConvert->text(), "&Umwandeln");
    EXPECT_EQ(window.lViewer->headerItem()->text(ui::ColFolder), "Ordner");
    EXPECT_EQ(window.StatusBar->Counts->text(), "1 von 3");
}

TEST(Translations, TheFirstDesktopLanguageWithACatalogueWins) {
    testsupport::ScratchFolder scratch("translations");
    const QString folder = QString::fromStdString(scratch.Path().string());
    for (const char* name : {"pellin_de.qm", "pellin_pt_BR.qm", "pellin_zh_CN.qm"})
        WriteBytes((scratch.Path() / name).string(), "x");
    auto chosen = [&](const QStringList& languages) {
        return QFileInfo(ui::ChooseCatalogue(languages, {folder + "/missing", folder})).fileName();
    };
    EXPECT_EQ(chosen({"de_AT"}), "pellin_de.qm");
    EXPECT_EQ(chosen({"pt_BR", "pt"}), "pellin_pt_BR.qm");
    EXPECT_EQ(chosen({"pt_PT"}), "");  // Brazilian Portuguese is not offered for Portugal
    EXPECT_EQ(chosen({"zh_Hans_CN"}), "pellin_zh_CN.qm");
    EXPECT_EQ(chosen({"sv_SE", "de_DE"}), "pellin_de.qm");
    EXPECT_EQ(chosen({"en_GB", "de_DE"}), "");  // English first: no catalogue
}

}  // namespace
}  // namespace uitest
