#pragma once
// The main window's list of jobs: one row per help file with its status
// picture, file name, folder, result, time and pages. Every column sorts on a
// click of its header (status, time and pages by value); until then the rows
// keep the order the jobs were found in. Rows are found by their job's index
// whatever the order. An empty list says what to do; Delete or Backspace
// asks for the selected rows to be removed.

#include <QHash>
#include <QTreeWidget>
#include <string>

#include "ui/RowRoles.h"

namespace ui {

enum JobColumn : int {
    ColStatus = 0,
    ColName = 1,
    ColResult = 2,
    ColFolder = 3,
    ColTime = 4,
    ColPages = 5,
};

class JobListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit JobListView(QWidget* parent = nullptr);

    // The row of the job with this index, made (showing the file) when there
    // is none yet.
    QTreeWidgetItem* RowOfJob(int index, const QString& fileName, bool* made = nullptr);
    // The job index of a row; -1 for a row of no job.
    static int JobOf(const QTreeWidgetItem* row);
    void RemoveRow(QTreeWidgetItem* row);
    void ClearJobs();

    // The help file's full path, which the name and folder columns split.
    static QString SourcePath(const QTreeWidgetItem* row);
    static void ShowSource(QTreeWidgetItem* row, const QString& path);
    // The working time (milliseconds) and the pages of the PDF; 0 shows
    // nothing.
    static void ShowTimeAndPages(QTreeWidgetItem* row, qint64 ms, int pages);

    QString PlaceholderText() const;

signals:
    void RemoveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QHash<int, QTreeWidgetItem*> rows_;
};

// The pages of a PDF file; 0 when it cannot be read as one.
int PdfPageCount(const std::string& path);

}  // namespace ui
