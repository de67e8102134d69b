#include "ui/RunSummary.h"

#include <QCoreApplication>

namespace ui {
namespace {

// The context lupdate files these texts under.
struct SummaryTexts {
    Q_DECLARE_TR_FUNCTIONS(SummaryTexts)
};

QString TwoDigits(std::int64_t value) { return QString::number(value).rightJustified(2, '0'); }

}  // namespace

QString DurationText(std::int64_t milliseconds) {
    const std::int64_t seconds = std::max<std::int64_t>(0, milliseconds / 1000);
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    if (hours > 0)
        return SummaryTexts::tr("%1 h %2 min %3 s")
            .arg(hours)
            .arg(TwoDigits(minutes))
            .arg(TwoDigits(seconds % 60));
    if (minutes > 0)
        return SummaryTexts::tr("%1 min %2 s").arg(minutes).arg(TwoDigits(seconds % 60));
    return SummaryTexts::tr("%1 s").arg(seconds);
}

QString ClockText(std::int64_t milliseconds) {
    const std::int64_t seconds = std::max<std::int64_t>(0, milliseconds / 1000);
    const std::int64_t hours = seconds / 3600;
    const QString minutesAndSeconds =
        QString("%1:%2").arg(seconds / 60 % 60).arg(TwoDigits(seconds % 60));
    if (hours == 0) return minutesAndSeconds;
    return QString("%1:%2:%3")
        .arg(hours)
        .arg(TwoDigits(seconds / 60 % 60))
        .arg(TwoDigits(seconds % 60));
}

QString RunSummaryText(const RowTally& tally, std::int64_t milliseconds) {
    const QString duration = DurationText(milliseconds);
    if (tally.notConverted > 0)
        return SummaryTexts::tr("%1 converted, %2 failed, %3 skipped, %4 not converted in %5")
            .arg(tally.converted)
            .arg(tally.failed)
            .arg(tally.skipped)
            .arg(tally.notConverted)
            .arg(duration);
    return SummaryTexts::tr("%1 converted, %2 failed, %3 skipped in %4")
        .arg(tally.converted)
        .arg(tally.failed)
        .arg(tally.skipped)
        .arg(duration);
}

}  // namespace ui
