#include "ui/TvxFrmBase.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QHideEvent>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>

#include "ui/ImageList.h"

namespace {

QFont BaseFont() {
    // 8 points is 11 pixels at 96 dots per inch; where Tahoma is missing the
    // list lets Qt fall back to a similar sans-serif face.
    QFont font;
    font.setFamilies({"Tahoma", "DejaVu Sans", "Liberation Sans", "sans-serif"});
    font.setPixelSize(11);
    return font;
}

}  // namespace

TvxFrmBase::TvxFrmBase(QWidget* parent) : QWidget(parent, Qt::Window) {
    setGeometry(100, 100, 1200, 600);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::WindowText));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(BaseFont());
    setWindowIcon(ui::ProgramIcon());
}

int TvxFrmBase::ShowModal() {
    if (modalLoop) return mrNone;
    modalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop = &loop;
    QPointer<TvxFrmBase> self(this);
    show();
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
    if (!self) return mrNone;
    modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
    return modalResult;
}

void TvxFrmBase::CloseWith(int result) {
    modalResult = result;
    hide();
}

void TvxFrmBase::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        CentreOnScreen();
        FormShow();
    }
}

void TvxFrmBase::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (modalLoop && !event->spontaneous()) modalLoop->quit();
}

void TvxFrmBase::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    // A window larger than the screen's free area (the 1200 by 600 default
    // at a high scale, say) is made to fit, though never below its minimum.
    const QSize decoration = frameGeometry().size() - geometry().size();
    const QSize room = (available.size() - decoration).expandedTo(minimumSize());
    if (width() > room.width() || height() > room.height()) resize(size().boundedTo(room));
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(frame.topLeft());
}
