#pragma once
// The options dialog: the whole option list of the batch project as plain
// text, with the catalogue of known options beside it (meaning and the
// value the program will use, following the text as it is edited; the
// office's own settings grouped under "Advanced"). OK first marks unknown
// keys, keys given twice and values that do not parse, and lets the user go
// back to them or take the text as it is; it then replaces the list by the
// text and pushes the values into the main window's bound controls. Cancel
// keeps the options as they were; Escape and the close button do too, after
// asking when the text was edited.

#include <QString>
#include <vector>

#include "ui/OptionLineCheck.h"
#include "ui/TvxFrmBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

class TvxFrmCfg : public TvxFrmBase {
    Q_OBJECT
public:
    explicit TvxFrmCfg(QWidget* parent = nullptr);

    QSplitter* spOptions;
    QPlainTextEdit* txtCfg;
    QTreeWidget* lvKeys;
    QLabel* lProblems;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

    void btnOkClick();
    void btnHelpClick();

    // The problems marked in the text; empty until Ok finds some.
    const std::vector<ui::OptionLineProblem>& MarkedProblems() const { return marked_; }

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildKeyList();
    void RefreshKeyList();
    void MarkProblems(std::vector<ui::OptionLineProblem> problems);
    void InsertKey(QTreeWidgetItem* item);
    std::vector<std::string> Lines() const;
    // Asks about edited text; true when the dialog may close without it.
    bool MayDiscardEdits();

    std::vector<QTreeWidgetItem*> keyItems_;  // in catalogue order
    QString shownText_;                       // the text as the dialog showed it
    std::vector<ui::OptionLineProblem> marked_;
    bool marking_ = false;  // marks follow the edits once Ok has shown them
};
