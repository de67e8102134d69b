#pragma once
// The about window: a borderless, partly transparent blue card with the
// product's picture, name and version. Its first ShowAbout call (at
// start-up) shows nothing; it then makes the main window fully transparent
// in a pure console run. Later calls show it modally; a click or a key
// closes it.

#include "ui/TvxFrmBase.h"

class QLabel;

class TvxFrmAbout : public TvxFrmBase {
    Q_OBJECT
public:
    explicit TvxFrmAbout(QWidget* parent = nullptr);

    QLabel* img;
    QLabel* lblProduct;
    QLabel* lblVersion;
    QLabel* lblCopright;

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
};

class TvxFrmPellinAbout : public TvxFrmAbout {
    Q_OBJECT
public:
    explicit TvxFrmPellinAbout(QWidget* parent = nullptr);
};

extern TvxFrmPellinAbout* vxFrmPellinAbout;
