#include "ui/TvxFrmAbout.h"

#include <libxml/xmlversion.h>

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/TvxProject.h"
#include "platform/pdf/PdfFinisher.h"
#include "ui/ImageList.h"
#include "ui/TvxFrmMain.h"
#include "ui/UiServices.h"

TvxFrmPellinAbout* vxFrmPellinAbout = nullptr;

namespace {

// White on this blue reads at a contrast of about 8:1; the card is opaque,
// so what lies behind it cannot lower that.
const QColor kCardColour(0, 70, 180);
const QColor kTextColour(255, 255, 255);

}  // namespace

TvxFrmAbout::TvxFrmAbout(QWidget* parent) : TvxFrmBase(parent) {
    setObjectName("vxFrmAbout");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
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
    lblCopright->setText(tr("Click or press a key to close."));
    lblDetails = MakeLabel(12, false);
    lblDetails->setObjectName("lblDetails");
    lblDetails->setTextFormat(Qt::RichText);
    lblDetails->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    lblDetails->setOpenExternalLinks(false);
    lblDetails->removeEventFilter(this);  // a click on the link opens the guide
    connect(lblDetails, &QLabel::linkActivated, this, [] { ui::OpenHelpDocument(); });
    lblDetails->setText(DetailsText());

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
    layout->addWidget(lblDetails, 3, 1);
    layout->setRowStretch(4, 1);
    lblCopright->setIndent(21);
    layout->addWidget(lblCopright, 5, 1);
    FitToContents();
}

TvxFrmAbout::~TvxFrmAbout() {
    if (probe_.joinable()) probe_.join();
}

void TvxFrmAbout::AskOffice() {
    if (!OfficeProbe || probe_.joinable()) return;
    probe_ = std::thread([this, probe = OfficeProbe] {
        const QString version = probe();
        QMetaObject::invokeMethod(
            this,
            [this, version] {
                OfficeVersion = version;
                lblDetails->setText(DetailsText());
                FitToContents();
            },
            Qt::QueuedConnection);
    });
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
        AskOffice();
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
    lblDetails->setText(DetailsText());
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

// The guide, the copyright, then what the conversion is made with, as this
// copy uses it.
QString TvxFrmAbout::DetailsText() const {
    const QString office =
        OfficeVersion.isEmpty() ? tr("LibreOffice (not yet asked)") : OfficeVersion;
    const QString libraries =
        QString("Qt %1, libxml2 %2, qpdf %3, chmlib")
            .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(LIBXML_DOTTED_VERSION),
                 QString::fromStdString(platform::PdfLibraryVersion()));
    const QStringList lines{
        QString("<a style=\"color: white\" href=\"guide\">%1</a>")
            .arg(tr("User guide").toHtmlEscaped()),
        tr("Copyright © 2025 Pellin.").toHtmlEscaped(),
        tr("Free software: you may use, copy and share it.").toHtmlEscaped(),
        tr("Made with %1").arg(libraries).toHtmlEscaped(),
        tr("Converts with %1").arg(office).toHtmlEscaped(),
    };
    return lines.join("<br>");
}

TvxFrmPellinAbout::TvxFrmPellinAbout(QWidget* parent) : TvxFrmAbout(parent) {
    setObjectName("vxFrmPellinAbout");
    img->setFixedSize(ui::AboutPictureSize, ui::AboutPictureSize);
    img->setPixmap(ui::AboutPicture(img->devicePixelRatioF()));
    FitToContents();
}
