#pragma once
// The main window's status bar: while a batch is converted it shows a
// progress bar, "N of M" (M: the jobs found so far), the failures and the
// working time, ticking each second; at the end of a run the summary.
// The time adds up over the runs of one batch (Convert after Pause goes on
// from where it stopped) and starts again with a new batch.

#include <QStatusBar>
#include <cstdint>
#include <functional>

#include "ui/RunSummary.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace platform {
class TickClock;
}

namespace ui {

class RunStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit RunStatusBar(QWidget* parent = nullptr);

    // The clock the time is read from; nullptr restores the system's.
    // Not owned.
    void SetClock(const platform::TickClock* clock);

    // A new batch: no counts, no summary, the time back at zero.
    void Reset();
    void ShowCounts(const RowTally& tally);
    void RunStarted();
    // Stops the time and shows the summary of the rows; returns it.
    QString RunEnded(const RowTally& tally);

    // The run ended by Pause with jobs left: Convert goes on with them.
    void ShowPaused();
    // Why a command did nothing, until the next run or problem; with a
    // caption, a button beside it offers `wayOut`.
    void ShowProblem(const QString& text, const QString& wayOutCaption = {},
                     std::function<void()> wayOut = {});
    QString Problem() const;
    void ClearProblem();

    std::int64_t ElapsedMs() const;
    bool IsTiming() const { return timing_; }
    QString Summary() const { return currentMessage(); }
    // Brings the time shown up to date; the one-second timer calls it.
    void RefreshTime();

    QProgressBar* Progress;
    QLabel* Counts;
    QLabel* Failures;
    QLabel* Elapsed;
    QLabel* ProblemText;
    QPushButton* WayOut;

private:
    std::uint32_t Now() const;
    void ShowRunFields(bool shown);

    const platform::TickClock* clock_ = nullptr;
    QTimer* ticker_;
    bool timing_ = false;
    std::uint32_t startedAt_ = 0;
    std::int64_t earlierMs_ = 0;  // earlier runs of the same batch
    std::function<void()> wayOut_;
};

}  // namespace ui
