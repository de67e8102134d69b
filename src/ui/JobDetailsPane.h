#pragma once
// The pane under the list that tells everything about the selected job: its
// file, its state, the whole result (the PDF, or every line of the error),
// the note of a job converted with topics left out, the time of each step.

#include <QPlainTextEdit>

class QTreeWidgetItem;

namespace ui {

class JobDetailsPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit JobDetailsPane(QWidget* parent = nullptr);

    // Shows the row's job, or hides the pane for no row.
    void ShowRow(const QTreeWidgetItem* row);
    // The text the pane shows for a row.
    static QString DetailsText(const QTreeWidgetItem* row);
    // The row's state in words: "Converted", "Converted with warnings", ...
    static QString StateText(const QTreeWidgetItem* row);
};

}  // namespace ui
