// Sizes of the windows: at its minimum size every control of the main
// window is inside it and wide enough for its caption, the first size fits
// the screen, the options dialog can be resized and the about card keeps
// its size. The suite also runs at twice the scale (QT_SCALE_FACTOR=2).

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "UiTestSupport.h"
#include "ui/RunStatusBar.h"
#include "ui/TvxFrmCfg.h"

namespace uitest {
namespace {

class Sizing : public UiTest {
protected:
    // Every control must lie inside the window, and a button or box must be
    // wide enough for its caption.
    static void ExpectInsideAndReadable(QWidget& window, const std::vector<QWidget*>& controls) {
        for (QWidget* control : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            if (!control->isVisibleTo(&window)) continue;
            const QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(window.rect().contains(area))
                << "at " << area.x() << "," << area.y() << " size " << area.width() << "x"
                << area.height() << " in " << window.width() << "x" << window.height();
            QString caption;
            if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
            if (!caption.isEmpty()) {
                const int needed =
                    control->fontMetrics().horizontalAdvance(QString(caption).remove('&'));
                EXPECT_LE(needed, area.width()) << caption.toStdString();
            }
        }
    }
    static std::vector<QWidget*> ActionControls(TvxFrmMain& w) {
        return {w.lSource, w.eSource, w.bSource, w.bSourceFile, w.cSubdir,
                w.bSearch, w.lTarget, w.eTarget, w.bTarget,     w.bSearchConvert,
                w.bView,   w.bCreate, w.lViewer, w.StatusBar};
    }
    static void ShowAt(QWidget& window, QSize size) {
        window.show();
        window.resize(size);
        QApplication::processEvents();
    }
};

TEST_F(Sizing, AtTheMinimumSizeEveryControlIsInsideInEveryRunState) {
    TvxFrmMain& window = MakeWindow();
    window.show();
    QApplication::processEvents();
    const QSize minimum = window.minimumSize();
    EXPECT_LE(minimum.width(), 640);
    ShowAt(window, minimum);
    EXPECT_EQ(window.size(), minimum);
    ExpectInsideAndReadable(window, ActionControls(window));

    // Running: Stop shows in the place kept for it, Pause replaces Convert.
    window.bSearchConvert->SetAction(window.aStop);
    window.bCreate->SetAction(window.aPause);
    window.StatusBar->RunStarted();
    QApplication::processEvents();
    ExpectInsideAndReadable(window, ActionControls(window));
    ExpectInsideAndReadable(window, {window.StatusBar->Counts, window.StatusBar->Elapsed});
}

TEST_F(Sizing, ToolBarButtonsThatDoNotFitStayReachable) {
    TvxFrmMain& window = MakeWindow();
    ShowAt(window, QSize(640, 480));
    QToolButton* extension = window.ToolBar->findChild<QToolButton*>("qt_toolbar_ext_button");
    bool anyHidden = false;
    for (QAction* action : window.ToolBar->actions()) {
        if (action->isSeparator()) continue;
        QWidget* button = window.ToolBar->widgetForAction(action);
        if (button->isVisibleTo(&window)) {
            const QRect area(button->mapTo(&window, QPoint(0, 0)), button->size());
            EXPECT_TRUE(window.rect().contains(area)) << action->text().toStdString();
        } else {
            anyHidden = true;
        }
    }
    if (anyHidden) {
        ASSERT_NE(extension, nullptr);
        EXPECT_TRUE(extension->isVisibleTo(&window));
    }
}

TEST_F(Sizing, TheEditBoxesAndTheResultColumnTakeTheWidthGained) {
    TvxFrmMain& window = MakeWindow();
    ShowAt(window, QSize(700, 400));
    const int editBefore = window.eSource->width();
    const int resultBefore = window.lViewer->columnWidth(2);
    window.resize(1000, 400);
    QApplication::processEvents();
    EXPECT_EQ(window.eSource->width() - editBefore, 300);
    EXPECT_EQ(window.eTarget->width(), window.eSource->width());
    EXPECT_GT(window.lViewer->columnWidth(2), resultBefore);
    // The rows line up in columns.
    EXPECT_EQ(window.bCreate->mapTo(&window, QPoint()).x(),
              window.bSearch->mapTo(&window, QPoint()).x());
    EXPECT_EQ(window.bView->mapTo(&window, QPoint()).x(),
              window.bSourceFile->mapTo(&window, QPoint()).x());
}

TEST_F(Sizing, TheFirstSizeFitsTheScreensFreeArea) {
    TvxFrmMain& window = MakeWindow();
    window.show();
    QApplication::processEvents();
    const QRect available = window.screen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().width(), std::max(available.width(), window.minimumWidth()));
    EXPECT_LE(window.frameGeometry().height(),
              std::max(available.height(), window.minimumHeight()));
    if (available.width() >= 1200 && available.height() >= 700) {
        EXPECT_EQ(window.size(), QSize(1200, 600));  // as drawn where there is room
    }
}

TEST_F(Sizing, OptionsDialogShrinksToItsMinimumWithEveryButtonInside) {
    TvxFrmMain& window = MakeWindow();
    TvxFrmCfg dialog(&window);
    dialog.show();
    QApplication::processEvents();
    ShowAt(dialog, dialog.minimumSize());
    ExpectInsideAndReadable(
        dialog, {dialog.txtCfg, dialog.lvKeys, dialog.btnOk, dialog.btnCancel, dialog.btnHelp});
    EXPECT_LT(dialog.btnHelp->x(), dialog.btnOk->x());
    EXPECT_LT(dialog.btnOk->x(), dialog.btnCancel->x());
}

TEST_F(Sizing, AboutCardKeepsItsSizeAndShowsItsTexts) {
    MakeWindow();
    TvxFrmPellinAbout& about = *vxFrmPellinAbout;
    about.lblProduct->setText("Pellin Convertor");
    about.lblVersion->setText("2025.17.420.2241");
    EXPECT_GE(about.width(), 472);
    EXPECT_GE(about.height(), 243);
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    about.show();
    QApplication::processEvents();
    ExpectInsideAndReadable(about,
                            {about.img, about.lblProduct, about.lblVersion, about.lblCopright});
    EXPECT_GE(about.lblCopright->width(),
              about.lblCopright->fontMetrics().horizontalAdvance(about.lblCopright->text()));
    about.hide();
}

}  // namespace
}  // namespace uitest
