#include "ui/RunStatusBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
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
    ProblemText = new QLabel(this);
    ProblemText->setObjectName("lProblem");
    ProblemText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    WayOut = new QPushButton(this);
    WayOut->setObjectName("bWayOut");
    WayOut->setFlat(true);
    connect(WayOut, &QPushButton::clicked, this, [this] {
        if (wayOut_) wayOut_();
    });
    addWidget(ProblemText, 1);
    addWidget(WayOut);
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
    ClearProblem();
    ShowCounts(RowTally{});
    RefreshTime();
    ShowRunFields(false);
}

void RunStatusBar::ClearProblem() {
    ProblemText->clear();
    ProblemText->hide();
    WayOut->hide();
    wayOut_ = nullptr;
}

void RunStatusBar::ShowProblem(const QString& text, const QString& wayOutCaption,
                               std::function<void()> wayOut) {
    clearMessage();  // a message would hide the problem
    ProblemText->setText(text);
    ProblemText->setToolTip(text);
    ProblemText->show();
    wayOut_ = std::move(wayOut);
    WayOut->setText(wayOutCaption);
    WayOut->setVisible(!wayOutCaption.isEmpty() && wayOut_);
}

QString RunStatusBar::Problem() const {
    return ProblemText->isHidden() ? QString() : ProblemText->text();
}

void RunStatusBar::ShowPaused() { showMessage(tr("Paused — Convert resumes")); }

void RunStatusBar::ShowCounts(const RowTally& tally) {
    // Until the first job is known the bar only says that work goes on; a
    // run that has ended with none is no longer busy.
    Progress->setRange(0, tally.known > 0 || timing_ ? tally.known : 1);
    Progress->setValue(tally.Finished());
    Counts->setText(tr("%1 of %2").arg(tally.Finished()).arg(tally.known));
    Failures->setText(tr("%1 failed").arg(tally.failed));
    // A style sheet set again is parsed and applied again, on every job.
    const QString sheet = tally.failed > 0 ? "color: #c81e1e;" : QString();
    if (Failures->styleSheet() != sheet) Failures->setStyleSheet(sheet);
    // Before the first run of a batch the bar says what Search has found.
    if (!timing_ && tally.known > 0 && tally.Finished() == 0 && tally.notConverted == 0)
        showMessage(tr("Files found: %1").arg(tally.known));
}

void RunStatusBar::RunStarted() {
    clearMessage();
    ClearProblem();
    ShowRunFields(true);
    if (Progress->maximum() <= 1 && Progress->value() <= 0) Progress->setRange(0, 0);
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
    // The summary says it all, and a narrow window shows it whole.
    ShowRunFields(false);
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
