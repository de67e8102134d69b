#include "ui/JobListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include "platform/pdf/PdfFinisher.h"
#include "ui/ImageList.h"
#include "ui/RunSummary.h"

namespace ui {

namespace {

// Failures first, then what still needs the user, then the converted.
int StatusOrder(int image) {
    switch (image) {
        case ImgFailure:
            return 0;
        case ImgNotConverted:
            return 1;
        case ImgWaiting:
            return 2;
        case ImgConverting:
            return 3;
        default:
            return 4;
    }
}

class JobRow : public QTreeWidgetItem {
public:
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : ColName;
        if (column == ColStatus)
            return StatusOrder(data(ColStatus, ImageRole).toInt()) <
                   StatusOrder(other.data(ColStatus, ImageRole).toInt());
        if (column == ColTime || column == ColPages)
            return data(column, ValueRole).toLongLong() <
                   other.data(column, ValueRole).toLongLong();
        return QString::localeAwareCompare(text(column), other.text(column)) < 0;
    }
};

}  // namespace

JobListView::JobListView(QWidget* parent) : QTreeWidget(parent) {
    setHeaderLabels(
        {tr("Status"), tr("File Name"), tr("Result"), tr("Folder"), tr("Time"), tr("Pages")});
    QHeaderView* bar = header();
    // Shown as status, name, folder, time, pages, result: the result, often
    // a long path or message, takes the width that is left.
    bar->moveSection(bar->visualIndex(ColResult), ColPages);
    bar->setSectionsMovable(false);
    // No order until the user asks for one: the rows stay as found.
    bar->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    bar->setSortIndicatorShown(true);
}

QTreeWidgetItem* JobListView::RowOfJob(int index, const QString& fileName, bool* made) {
    if (made) *made = false;
    if (QTreeWidgetItem* row = rows_.value(index)) return row;
    auto* row = new JobRow();
    row->setData(ColStatus, JobRole, index);
    ShowSource(row, fileName);
    addTopLevelItem(row);
    rows_.insert(index, row);
    if (made) *made = true;
    return row;
}

int JobListView::JobOf(const QTreeWidgetItem* row) {
    return row ? row->data(ColStatus, JobRole).toInt() : -1;
}

void JobListView::RemoveRow(QTreeWidgetItem* row) {
    rows_.remove(JobOf(row));
    delete row;
}

void JobListView::ClearJobs() {
    rows_.clear();
    clear();
}

QString JobListView::SourcePath(const QTreeWidgetItem* row) {
    return row ? row->data(ColName, PathRole).toString() : QString();
}

void JobListView::ShowSource(QTreeWidgetItem* row, const QString& path) {
    const qsizetype cut = path.lastIndexOf('/') + 1;
    row->setData(ColName, PathRole, path);
    row->setText(ColName, path.mid(cut));
    row->setToolTip(ColName, path);
    row->setText(ColFolder, path.left(cut));
    row->setToolTip(ColFolder, path.left(cut));
}

void JobListView::ShowTimeAndPages(QTreeWidgetItem* row, qint64 ms, int pages) {
    row->setData(ColTime, ValueRole, ms);
    row->setText(ColTime, ms > 0 ? ClockText(ms) : QString());
    row->setData(ColPages, ValueRole, pages);
    row->setText(ColPages, pages > 0 ? QString::number(pages) : QString());
}

QString JobListView::PlaceholderText() const {
    return tr("Drop .chm files or folders here, or choose a Source");
}

void JobListView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit RemoveRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void JobListView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (topLevelItemCount() > 0) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                     Qt::AlignCenter | Qt::TextWordWrap, PlaceholderText());
}

int PdfPageCount(const std::string& path) {
    try {
        return platform::DefaultPdfFinisher().Inspect(path).Pages;
    } catch (...) {
        return 0;
    }
}

}  // namespace ui
