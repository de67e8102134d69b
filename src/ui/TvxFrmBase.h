#pragma once
// The base of every window of the program: 1200 by 600 pixels, or less where
// the screen's free area is smaller, centred on the screen when shown,
// button-face background, Tahoma 8 pt (or the platform's nearest face), tool
// tips shown. ShowModal runs the window modally and returns how it was
// closed.

#include <QWidget>

class QEventLoop;

class TvxFrmBase : public QWidget {
    Q_OBJECT
public:
    enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit TvxFrmBase(QWidget* parent = nullptr);

    // Shows the window application-modal and returns once it is hidden.
    int ShowModal();
    // Ends a modal display (or hides a modeless window) with the result.
    void CloseWith(int result);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Runs once per display, after the window became visible.
    virtual void FormShow() {}

private:
    void CentreOnScreen();

    QEventLoop* modalLoop = nullptr;
    int modalResult = mrNone;
};
