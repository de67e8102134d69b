#include "ui/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/TvxFrmMain.h"

namespace ui {

namespace {

// The desktop's key for a command, or the usual one where the desktop
// names none (a bare X server, the offscreen platform).
QList<QKeySequence> KeysFor(QKeySequence::StandardKey command, const char* usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (keys.isEmpty()) keys << QKeySequence(QString::fromLatin1(usual));
    return keys;
}

void GiveKeys(TvxFrmMain& w) {
    w.aNew->setShortcuts(KeysFor(QKeySequence::New, "Ctrl+N"));
    w.aOpen->setShortcuts(KeysFor(QKeySequence::Open, "Ctrl+O"));
    w.aSave->setShortcuts(KeysFor(QKeySequence::Save, "Ctrl+S"));
    w.aSaveAs->setShortcuts(KeysFor(QKeySequence::SaveAs, "Ctrl+Shift+S"));
    w.aConfig->setShortcuts(KeysFor(QKeySequence::Preferences, "Ctrl+,"));
    w.aQuit->setShortcuts(KeysFor(QKeySequence::Quit, "Ctrl+Q"));
    w.aSearch->setShortcuts(KeysFor(QKeySequence::Find, "Ctrl+F"));
    w.aHelp->setShortcuts(KeysFor(QKeySequence::HelpContents, "F1"));
    w.aConvert->setShortcut(QKeySequence(Qt::Key_F5));
    w.aStop->setShortcut(QKeySequence(Qt::Key_Escape));
    // The keys work wherever the focus is in the window, also where the
    // menu bar is drawn by the desktop instead.
    w.addActions({w.aNew, w.aOpen, w.aSave, w.aSaveAs, w.aConfig, w.aQuit, w.aSearch, w.aConvert,
                  w.aStop, w.aHelp});
}

}  // namespace

QMenuBar* BuildMainMenuBar(TvxFrmMain& w) {
    GiveKeys(w);
    auto* bar = new QMenuBar(&w);
    bar->setObjectName("MenuBar");

    QMenu* file = bar->addMenu(TvxFrmMain::tr("&File"));
    file->setObjectName("mFile");
    file->addAction(w.aNew);
    file->addAction(w.aOpen);
    w.pm2->setTitle(TvxFrmMain::tr("Open &Recent"));
    file->addMenu(w.pm2);
    file->addSeparator();
    file->addAction(w.aSave);
    file->addAction(w.aSaveAs);
    file->addSeparator();
    file->addAction(w.aConfig);
    file->addSeparator();
    file->addAction(w.aQuit);

    QMenu* run = bar->addMenu(TvxFrmMain::tr("&Run"));
    run->setObjectName("mRun");
    run->addAction(w.aSearch);
    run->addAction(w.aConvert);
    run->addAction(w.aPause);
    run->addAction(w.aStop);
    run->addSeparator();
    run->addAction(w.aView);

    QMenu* help = bar->addMenu(TvxFrmMain::tr("&Help"));
    help->setObjectName("mHelp");
    help->addAction(w.aHelp);
    help->addAction(w.aHomePage);
    help->addAction(w.aSupports);
    help->addAction(w.aUpdate);
    help->addSeparator();
    help->addAction(w.aAbout);
    return bar;
}

}  // namespace ui
