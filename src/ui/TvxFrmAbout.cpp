#include "ui/TvxFrmAbout.h"

#include <QGridLayout>
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
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kCardColour);
    setPalette(pal);
    QFont verdana = font();
    verdana.setFamilies({"Verdana", "DejaVu Sans", "sans-serif"});
    setFont(verdana);

    img = new QLabel(this);
    img->setObjectName("img");
    img->setFixedSize(80, 80);
    img->installEventFilter(this);

    lblProduct = MakeLabel(21, true);
    lblProduct->setObjectName("lblProduct");
    lblProduct->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblProduct->setWordWrap(true);
    lblProduct->setMinimumSize(250, 50);
    lblVersion = MakeLabel(13, true);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCopright = MakeLabel(13, false);
    lblCopright->setObjectName("lblCopright");
    lblCopright->setText(tr("Free software. Click to close."));

    // The picture's place is 128 pixels square at the top left; the name
    // and version are centred in a column 250 pixels wide beside it, the
    // notice sits at the bottom, a little indented.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 59, 19);
    layout->setHorizontalSpacing(19);
    layout->setVerticalSpacing(6);
    layout->setColumnMinimumWidth(0, ui::AboutPictureSize);
    layout->setColumnStretch(1, 1);
    layout->setRowMinimumHeight(0, 18);
    layout->addWidget(img, 0, 0, 4, 1, Qt::AlignCenter | Qt::AlignTop);
    layout->addWidget(lblProduct, 1, 1);
    layout->addWidget(lblVersion, 2, 1);
    layout->setRowStretch(3, 1);
    lblCopright->setIndent(21);
    layout->addWidget(lblCopright, 4, 1);
    FitToContents();
}

// At least the card's 472 by 243 pixels, more where the texts need it; a
// window without border cannot be resized by the user.
void TvxFrmAbout::FitToContents() {
    layout()->activate();
    setFixedSize(QSize(472, 243).expandedTo(layout()->totalMinimumSize()));
}

QLabel* TvxFrmAbout::MakeLabel(int pixelHeight, bool bold) {
    auto* label = new QLabel(this);
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
    img->setFixedSize(ui::AboutPictureSize, ui::AboutPictureSize);
    img->setPixmap(ui::AboutPicture(img->devicePixelRatioF()));
    FitToContents();
}
