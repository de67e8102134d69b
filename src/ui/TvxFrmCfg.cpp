#include "ui/TvxFrmCfg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string_view>

#include "core/OptionCatalog.h"
#include "core/OptionList.h"
#include "core/TvxProject.h"
#include "platform/files/TextFile.h"
#include "ui/Questions.h"
#include "ui/UiServices.h"

namespace {

const QColor kUnknownMark(255, 215, 215);
const QColor kDuplicateMark(255, 240, 190);

enum KeyColumn { KeyName = 0, KeyValue = 1, KeyMeaning = 2 };

// Keys of the office's own settings, which a project may still carry but a
// user converting help files rarely needs.
bool IsAdvanced(const char* key) {
    for (const char* advanced :
         {"MacroEnabled", "PDFWriter", "MultiInstance", "AppVisible", "ReadOnly", "SkipPassword"})
        if (std::string_view(key) == advanced) return true;
    return false;
}

}  // namespace

TvxFrmCfg::TvxFrmCfg(QWidget* parent) : TvxFrmBase(parent) {
    setObjectName("vxFrmCfg");
    setWindowTitle(tr("Options"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    txtCfg = new QPlainTextEdit(this);
    txtCfg->setObjectName("txtCfg");
    txtCfg->setToolTip(tr("One option a line: Name=value"));
    txtCfg->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtCfg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCfg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCfg->setMinimumSize(160, 120);
    txtCfg->viewport()->installEventFilter(this);
    connect(txtCfg, &QPlainTextEdit::textChanged, this, [this] {
        RefreshKeyList();
        if (marking_) MarkProblems(ui::CheckOptionLines(Lines()));
    });
    BuildKeyList();

    spOptions = new QSplitter(Qt::Horizontal, this);
    spOptions->setObjectName("spOptions");
    spOptions->setChildrenCollapsible(false);
    spOptions->addWidget(txtCfg);
    spOptions->addWidget(lvKeys);
    spOptions->setStretchFactor(0, 1);
    spOptions->setStretchFactor(1, 2);

    lProblems = new QLabel(this);
    lProblems->setObjectName("lProblems");
    lProblems->setTextFormat(Qt::PlainText);
    lProblems->setWordWrap(true);
    lProblems->hide();

    btnOk = new QPushButton(tr("&OK"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TvxFrmCfg::btnOkClick);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    connect(btnCancel, &QPushButton::clicked, this, [this] { CloseWith(mrCancel); });
    btnHelp = new QPushButton(tr("Help"), this);
    btnHelp->setObjectName("btnHelp");
    btnHelp->setToolTip(tr("Open the guide's list of options"));
    connect(btnHelp, &QPushButton::clicked, this, &TvxFrmCfg::btnHelpClick);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 15);
    layout->setSpacing(10);
    layout->addWidget(spOptions, 1);
    layout->addWidget(lProblems);
    layout->addLayout(buttons);
    resize(820, 400);
}

void TvxFrmCfg::BuildKeyList() {
    lvKeys = new QTreeWidget(this);
    lvKeys->setObjectName("lvKeys");
    lvKeys->setRootIsDecorated(true);
    lvKeys->setUniformRowHeights(true);
    lvKeys->setSelectionMode(QAbstractItemView::SingleSelection);
    lvKeys->setHeaderLabels({tr("Option"), tr("Value used"), tr("Meaning")});
    lvKeys->setToolTip(tr("Double-click an option to add it to the text"));
    lvKeys->setMinimumWidth(160);
    auto* advanced = new QTreeWidgetItem();
    advanced->setText(KeyName, tr("Advanced"));
    advanced->setText(KeyMeaning, tr("Settings of the word processor and the PDF printer"));
    advanced->setFlags(Qt::ItemIsEnabled);
    QFont bold = advanced->font(KeyName);
    bold.setBold(true);
    advanced->setFont(KeyName, bold);
    for (const options::OptionInfo& option : options::OptionCatalog()) {
        auto* item = new QTreeWidgetItem();
        item->setText(KeyName, QString::fromUtf8(option.key));
        const QString meaning = QCoreApplication::translate("OptionCatalog", option.meaning);
        item->setText(KeyMeaning, meaning);
        item->setToolTip(KeyMeaning, meaning);
        if (IsAdvanced(option.key))
            advanced->addChild(item);
        else
            lvKeys->addTopLevelItem(item);
        keyItems_.push_back(item);
    }
    lvKeys->addTopLevelItem(advanced);
    lvKeys->header()->setStretchLastSection(true);
    lvKeys->resizeColumnToContents(KeyName);
    lvKeys->setColumnWidth(KeyValue, 110);
    connect(lvKeys, &QTreeWidget::itemDoubleClicked, this, &TvxFrmCfg::InsertKey);
}

std::vector<std::string> TvxFrmCfg::Lines() const {
    return platform::SplitLines(txtCfg->toPlainText().toStdString());
}

void TvxFrmCfg::RefreshKeyList() {
    const std::vector<std::string> lines = Lines();
    const auto& catalog = options::OptionCatalog();
    for (size_t row = 0; row < keyItems_.size(); ++row) {
        QTreeWidgetItem* item = keyItems_[row];
        const ui::ValueInUse value = ui::ValueInUseOf(catalog[row], lines);
        item->setText(KeyValue, value.text);
        item->setToolTip(KeyValue, value.isDefault ? tr("Default value") : tr("Set in the text"));
        QFont font = item->font(KeyValue);
        font.setItalic(value.isDefault);
        item->setFont(KeyValue, font);
        item->setForeground(KeyValue, value.isDefault ? palette().brush(QPalette::PlaceholderText)
                                                      : palette().brush(QPalette::Text));
    }
}

// A known key's line is put into the text: the cursor goes to the line that
// sets it, or to a new "Key=" line at the end.
void TvxFrmCfg::InsertKey(QTreeWidgetItem* item) {
    if (!item->parent() && item->childCount() > 0) return;  // the group
    const std::string key = item->text(KeyName).toStdString();
    const std::vector<std::string> lines = Lines();
    QTextCursor cursor(txtCfg->document());
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const auto lineKey = options::KeyOf(lines[static_cast<size_t>(i)]);
        if (lineKey && options::FindOption(*lineKey) == options::FindOption(key)) {
            cursor = QTextCursor(txtCfg->document()->findBlockByNumber(i));
            cursor.movePosition(QTextCursor::EndOfBlock);
            txtCfg->setTextCursor(cursor);
            txtCfg->setFocus();
            return;
        }
    }
    cursor.movePosition(QTextCursor::End);
    if (!txtCfg->toPlainText().isEmpty() && !txtCfg->toPlainText().endsWith('\n'))
        cursor.insertText("\n");
    cursor.insertText(item->text(KeyName) + "=");
    txtCfg->setTextCursor(cursor);
    txtCfg->setFocus();
}

void TvxFrmCfg::MarkProblems(std::vector<ui::OptionLineProblem> problems) {
    marked_ = std::move(problems);
    QList<QTextEdit::ExtraSelection> marks;
    QStringList texts;
    for (const ui::OptionLineProblem& problem : marked_) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(txtCfg->document()->findBlockByNumber(problem.line));
        mark.format.setBackground(problem.kind == ui::OptionLineProblem::Kind::DuplicateKey
                                      ? kDuplicateMark
                                      : kUnknownMark);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
        texts << ui::ProblemText(problem);
    }
    txtCfg->setExtraSelections(marks);
    lProblems->setText(texts.join('\n'));
    lProblems->setVisible(!texts.isEmpty());
}

void TvxFrmCfg::FormShow() {
    // The bound controls may hold edits not yet in the option list.
    vxProject->WriteProject(false);
    QStringList lines;
    for (const std::string& option : vxProject->OptionLines())
        lines << QString::fromStdString(option);
    marking_ = false;
    txtCfg->setPlainText(lines.join('\n'));
    shownText_ = txtCfg->toPlainText();
    MarkProblems({});
}

void TvxFrmCfg::btnOkClick() {
    std::vector<ui::OptionLineProblem> problems = ui::CheckOptionLines(Lines());
    if (!problems.empty()) {
        marking_ = true;
        MarkProblems(std::move(problems));
        QStringList texts;
        for (const auto& problem : marked_) texts << ui::ProblemText(problem);
        if (!ui::Ask().AcceptOptionProblems(this, texts)) {
            txtCfg->setFocus();
            return;
        }
    }
    vxProject->SetOptionLines(Lines());
    vxProject->ApplyOptions();
    CloseWith(mrOk);
}

void TvxFrmCfg::btnHelpClick() { ui::OpenHelpDocument(); }

void TvxFrmCfg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (MayDiscardEdits()) CloseWith(mrCancel);
        return;
    }
    TvxFrmBase::keyPressEvent(event);
}

bool TvxFrmCfg::MayDiscardEdits() {
    if (txtCfg->toPlainText() == shownText_) return true;
    switch (ui::Ask().AskUnsavedOptions(this)) {
        case ui::UnsavedAnswer::Save:
            btnOkClick();
            return false;  // OK closes the dialog itself, or keeps it for a marked line
        case ui::UnsavedAnswer::Discard:
            return true;
        default:
            return false;
    }
}

void TvxFrmCfg::closeEvent(QCloseEvent* event) {
    if (isVisible() && !MayDiscardEdits()) {
        event->ignore();
        return;
    }
    TvxFrmBase::closeEvent(event);
}

// A marked line tells its problem when the mouse rests on it.
bool TvxFrmCfg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtCfg->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int line = txtCfg->cursorForPosition(help->pos()).blockNumber();
        QStringList texts;
        for (const ui::OptionLineProblem& problem : marked_)
            if (problem.line == line) texts << ui::ProblemText(problem);
        if (!texts.isEmpty()) {
            QToolTip::showText(help->globalPos(), texts.join('\n'), txtCfg->viewport());
            return true;
        }
    }
    return TvxFrmBase::eventFilter(watched, event);
}
