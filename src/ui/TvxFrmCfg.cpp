#include "ui/TvxFrmCfg.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/TvxProject.h"
#include "platform/TextFile.h"
#include "ui/UiServices.h"

TvxFrmCfg::TvxFrmCfg(QWidget* parent) : TvxFrmBase(parent) {
    setObjectName("vxFrmCfg");
    setWindowTitle("Config");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetClientSize(292, 273);

    txtCfg = new QPlainTextEdit(this);
    txtCfg->setObjectName("txtCfg");
    txtCfg->setGeometry(16, 16, 256, 200);
    txtCfg->setToolTip("Please add/delete/modify the options by yourself");
    txtCfg->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtCfg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCfg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(120, 233, 72, 25);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TvxFrmCfg::btnOkClick);

    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(200, 233, 72, 25);
    connect(btnCancel, &QPushButton::clicked, this, [this] { CloseWith(mrCancel); });

    btnHelp = new QPushButton("Help", this);
    btnHelp->setObjectName("btnHelp");
    btnHelp->setGeometry(16, 233, 72, 25);
    btnHelp->setToolTip("Click here to see the details about the options");
    connect(btnHelp, &QPushButton::clicked, this, &TvxFrmCfg::btnHelpClick);
}

void TvxFrmCfg::FormShow() {
    // The bound controls may hold edits not yet in the option list.
    vxProject->WriteProject(false);
    QStringList lines;
    for (const std::string& option : vxProject->Options) lines << QString::fromStdString(option);
    txtCfg->setPlainText(lines.join('\n'));
}

void TvxFrmCfg::btnOkClick() {
    vxProject->SetOptionLines(platform::SplitLines(txtCfg->toPlainText().toStdString()));
    vxProject->ApplyOptions();
    CloseWith(mrOk);
}

void TvxFrmCfg::btnHelpClick() { ui::OpenHelpDocument(); }

void TvxFrmCfg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CloseWith(mrCancel);
        return;
    }
    TvxFrmBase::keyPressEvent(event);
}
