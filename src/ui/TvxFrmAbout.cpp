#include "ui/TvxFrmAbout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/TvxProject.h"
#include "ui/ImageList.h"
#include "ui/TvxFrmMain.h"

TvxFrmPellinAbout* vxFrmPellinAbout = nullptr;

namespace {

const QColor kCardColour(0, 85, 255);
const QColor kTextColour(221, 221, 221);
constexpr double kCardOpacity = 200.0 / 255.0;

}  // namespace

TvxFrmAbout::TvxFrmAbout(QWidget* parent) : TvxFrmBase(parent) {
    setObjectName("vxFrmAbout");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowOpacity(kCardOpacity);
    SetClientSize(472, 243);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kCardColour);
    setPalette(pal);
    QFont verdana = font();
    verdana.setFamilies({"Verdana", "DejaVu Sans", "sans-serif"});
    setFont(verdana);

    img = new QLabel(this);
    img->setObjectName("img");
    img->setGeometry(40, 40, 80, 80);
    img->installEventFilter(this);

    lblProduct = MakeLabel(QRect(163, 40, 250, 50), 21, true);
    lblProduct->setObjectName("lblProduct");
    lblProduct->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblProduct->setWordWrap(true);
    lblVersion = MakeLabel(QRect(176, 96, 224, 16), 13, true);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCopright = MakeLabel(QRect(184, 208, 264, 16), 13, false);
    lblCopright->setObjectName("lblCopright");
    lblCopright->setText("Free software. Click to close.");
}

QLabel* TvxFrmAbout::MakeLabel(const QRect& geometry, int pixelHeight, bool bold) {
    auto* label = new QLabel(this);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    QFont f = font();
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, kTextColour);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->installEventFilter(this);
    return label;
}

void TvxFrmAbout::ShowAbout() {
    if (ShowCount == 0) {
        if (vxProject->GetPureConsole() && vxFrmMain) {
            // Fully transparent; and since without a compositor the desktop
            // ignores transparency, the window is not put on screen at all.
            vxFrmMain->setWindowOpacity(0.0);
            vxFrmMain->setAttribute(Qt::WA_DontShowOnScreen);
        }
    } else {
        ShowModal();
    }
    ++ShowCount;
}

void TvxFrmAbout::FormShow() {
    if (lblProduct->text().isEmpty()) {
        // A plain-text label shows "&" as itself; no mnemonic is made of it.
        lblProduct->setText(QString::fromStdString(vxProject->Title));
        lblVersion->setText(QString::fromStdString(vxProject->Version));
    }
    ++ShowCount;
}

void TvxFrmAbout::FormClick() {
    if (ShowCount > 1) CloseWith(mrOk);
}

void TvxFrmAbout::FormKeyPress() { FormClick(); }

void TvxFrmAbout::mousePressEvent(QMouseEvent* event) {
    event->accept();
    FormClick();
}

void TvxFrmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        TvxFrmBase::keyPressEvent(event);
        return;
    }
    event->accept();
    FormKeyPress();
}

bool TvxFrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        FormClick();
        return true;
    }
    return TvxFrmBase::eventFilter(watched, event);
}

TvxFrmPellinAbout::TvxFrmPellinAbout(QWidget* parent) : TvxFrmAbout(parent) {
    setObjectName("vxFrmPellinAbout");
    img->setGeometry(16, 16, ui::AboutPictureSize, ui::AboutPictureSize);
    img->setPixmap(ui::AboutPicture());
}
