#pragma once
// The options dialog: the whole option list of the batch project as plain
// text. Ok replaces the list by the text and pushes the values into the
// main window's bound controls; Cancel and the close button keep the
// options as they were.

#include "ui/TvxFrmBase.h"

class QPlainTextEdit;
class QPushButton;

class TvxFrmCfg : public TvxFrmBase {
    Q_OBJECT
public:
    explicit TvxFrmCfg(QWidget* parent = nullptr);

    QPlainTextEdit* txtCfg;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

    void btnOkClick();
    void btnHelpClick();

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;
};
