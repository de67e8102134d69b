#pragma once
// The about window: a borderless blue card with the product's picture, name
// and version, a link to the guide, the libraries and the office the
// conversion uses, and the copyright. Its first ShowAbout call (at
// start-up) shows nothing; it then makes the main window fully transparent
// in a pure console run. Later calls show it modally; a click or a key
// closes it.

#include <functional>
#include <thread>

#include "ui/TvxFrmBase.h"

class QLabel;

class TvxFrmAbout : public TvxFrmBase {
    Q_OBJECT
public:
    explicit TvxFrmAbout(QWidget* parent = nullptr);
    ~TvxFrmAbout() override;

    QLabel* img;
    QLabel* lblProduct;
    QLabel* lblVersion;
    QLabel* lblCopright;
    QLabel* lblDetails;
    // "LibreOffice 7.4.7.2" once known; empty until then.
    QString OfficeVersion;
    // Asks the office for its version; run once, on a thread of its own,
    // when the card is first shown. Unset: the office is not asked.
    std::function<QString()> OfficeProbe;

    // Calls of ShowAbout and showings of the window; only grows.
    int ShowCount = 0;

    void ShowAbout();
    void FormClick();
    void FormKeyPress();

protected:
    void FormShow() override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QLabel* MakeLabel(int pixelHeight, bool bold);
    void FitToContents();
    QString DetailsText() const;

private:
    void AskOffice();

    std::thread probe_;
};

class TvxFrmPellinAbout : public TvxFrmAbout {
    Q_OBJECT
public:
    explicit TvxFrmPellinAbout(QWidget* parent = nullptr);
};

extern TvxFrmPellinAbout* vxFrmPellinAbout;
