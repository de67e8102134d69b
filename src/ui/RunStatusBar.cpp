#include "ui/RunStatusBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "platform/process/TickClock.h"

namespace ui {

RunStatusBar::RunStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar");
    setSizeGripEnabled(true);
    Progress = new QProgressBar(this);
    Progress->setObjectName("pbProgress");
    Progress->setTextVisible(false);
    Progress->setMaximumWidth(200);
    Progress->setMaximumHeight(14);
    Counts = new QLabel(this);
    Counts->setObjectName("lCounts");
    Failures = new QLabel(this);
    Failures->setObjectName("lFailures");
    Elapsed = new QLabel(this);
    Elapsed->setObjectName("lElapsed");
    Elapsed->setToolTip(tr("Working time of the batch"));
    addPermanentWidget(Progress);
    addPermanentWidget(Counts);
    addPermanentWidget(Failures);
    addPermanentWidget(Elapsed);
    ticker_ = new QTimer(this);
    ticker_->setInterval(1000);
    connect(ticker_, &QTimer::timeout, this, &RunStatusBar::RefreshTime);
    Reset();
}

void RunStatusBar::SetClock(const platform::TickClock* clock) { clock_ = clock; }

std::uint32_t RunStatusBar::Now() const {
    return (clock_ ? *clock_ : platform::SystemTickClock()).TickCount();
}

void RunStatusBar::ShowRunFields(bool shown) {
    for (QWidget* field : {static_cast<QWidget*>(Progress), static_cast<QWidget*>(Counts),
                           static_cast<QWidget*>(Failures), static_cast<QWidget*>(Elapsed)})
        field->setVisible(shown);
}

void RunStatusBar::Reset() {
    ticker_->stop();
    timing_ = false;
    earlierMs_ = 0;
    clearMessage();
    ShowCounts(RowTally{});
    RefreshTime();
    ShowRunFields(false);
}

void RunStatusBar::ShowCounts(const RowTally& tally) {
    // Until the first job is known the bar only says that work goes on.
    Progress->setRange(0, tally.known);
    Progress->setValue(tally.Finished());
    Counts->setText(tr("%1 of %2").arg(tally.Finished()).arg(tally.known));
    Failures->setText(tr("%1 failed").arg(tally.failed));
    // A style sheet set again is parsed and applied again, on every job.
    const QString sheet = tally.failed > 0 ? "color: #c81e1e;" : QString();
    if (Failures->styleSheet() != sheet) Failures->setStyleSheet(sheet);
}

void RunStatusBar::RunStarted() {
    clearMessage();
    ShowRunFields(true);
    if (!timing_) {
        startedAt_ = Now();
        timing_ = true;
    }
    RefreshTime();
    ticker_->start();
}

QString RunStatusBar::RunEnded(const RowTally& tally) {
    if (timing_) {
        earlierMs_ += static_cast<std::uint32_t>(Now() - startedAt_);
        timing_ = false;
    }
    ticker_->stop();
    ShowCounts(tally);
    RefreshTime();
    const QString summary = RunSummaryText(tally, earlierMs_);
    showMessage(summary);
    return summary;
}

std::int64_t RunStatusBar::ElapsedMs() const {
    // Unsigned difference: right across a wrap of the 32-bit counter.
    return earlierMs_ + (timing_ ? static_cast<std::uint32_t>(Now() - startedAt_) : 0);
}

void RunStatusBar::RefreshTime() { Elapsed->setText(ClockText(ElapsedMs())); }

}  // namespace ui
