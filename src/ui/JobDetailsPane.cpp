#include "ui/JobDetailsPane.h"

#include <QTreeWidgetItem>

#include "batch/TvxNode.h"
#include "ui/ImageList.h"
#include "ui/JobListView.h"
#include "ui/RowRoles.h"
#include "ui/RunSummary.h"

namespace ui {
namespace {

// "decompile=1.20 book=0.31" -> "decompile 1.20 s, book 0.31 s".
QString StepTimes(const QString& timings) {
    QStringList steps;
    for (const QString& step : timings.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = step.indexOf('=');
        steps << (equals < 0
                      ? step
                      : JobDetailsPane::tr("%1 %2 s").arg(step.left(equals), step.mid(equals + 1)));
    }
    return steps.join(", ");
}

}  // namespace

JobDetailsPane::JobDetailsPane(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("pDetails");
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setMaximumHeight(fontMetrics().lineSpacing() * 7);
    setMinimumHeight(fontMetrics().lineSpacing() * 3);
    hide();
}

QString JobDetailsPane::StateText(const QTreeWidgetItem* row) {
    switch (row->data(0, ImageRole).toInt()) {
        case ImgSuccess:
            return row->data(0, ResultRole).toString().isEmpty()
                       ? tr("Skipped: the PDF was there and is kept")
                       : tr("Converted");
        case ImgWarning:
            return tr("Converted with warnings");
        case ImgFailure:
            return tr("Failed");
        case ImgConverting:
            return tr("Converting");
        case ImgNotConverted:
            return tr("Not converted: the run ended first");
        default:
            return tr("Waiting");
    }
}

QString JobDetailsPane::DetailsText(const QTreeWidgetItem* row) {
    QStringList lines;
    lines << JobListView::SourcePath(row) + " — " + StateText(row);
    const QString result = row->data(0, ResultRole).toString();
    if (!result.isEmpty()) {
        const bool failed = row->data(0, StatusRole).toInt() == TvxNode::Failed;
        lines << (failed ? tr("Reason: %1") : tr("PDF: %1")).arg(result);
    }
    // The note's parts ("the help file is damaged ...; 2 of 40 topics left
    // out: ...") each on a line of their own.
    const QString note = row->data(0, NoteRole).toString();
    for (const QString& part : note.split("; ", Qt::SkipEmptyParts))
        lines << tr("Note: %1").arg(part);
    const QString timings = row->data(0, TimingsRole).toString();
    if (!timings.isEmpty()) lines << tr("Steps: %1").arg(StepTimes(timings));
    const QVariant elapsed = row->data(ColTime, ValueRole);
    if (elapsed.isValid() && elapsed.toLongLong() >= 0)
        lines << tr("Time: %1").arg(DurationText(elapsed.toLongLong()));
    return lines.join('\n');
}

void JobDetailsPane::ShowRow(const QTreeWidgetItem* row) {
    if (!row) {
        clear();
        hide();
        return;
    }
    setPlainText(DetailsText(row));
    show();
}

}  // namespace ui
