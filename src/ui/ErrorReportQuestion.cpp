#include "ui/ErrorReportQuestion.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "console/TvxErrorReport.h"
#include "core/ErrorReportChoice.h"
#include "core/TvxInfo.h"
#include "core/TvxProject.h"
#include "platform/text/EscapedText.h"
#include "ui/Questions.h"
#include "ui/UiServices.h"

namespace ui {
namespace {

// The context lupdate files these texts under.
struct ErrorReportTexts {
    Q_DECLARE_TR_FUNCTIONS(ErrorReportTexts)
};

constexpr qsizetype ShownMessages = 8;

bool IsUnattended() {
    return vxProject && (vxProject->GetRunAndClose() || vxProject->GetDaemon() > 0);
}

void KeepChoice(ErrorReportChoice choice) {
    try {
        KeepErrorReportChoice(*vxProject, choice);
    } catch (const std::exception& error) {
        // The answer holds for this run; the next one asks again.
        std::fprintf(stderr, "%s\n", platform::EscapeControls(error.what()).c_str());
    }
}

}  // namespace

ErrorReportAnswer MessageBoxQuestions::AskErrorReport(QWidget* parent, int failedJobs,
                                                      const QStringList& contents) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    failedJobs == 1
                        ? ErrorReportTexts::tr("1 job failed. Send an error report to the maker?")
                        : ErrorReportTexts::tr("%1 jobs failed. Send an error report to the maker?")
                              .arg(failedJobs),
                    QMessageBox::NoButton, parent);
    // A long list keeps the box on the screen: its first lines show, all of
    // it is one click away.
    QStringList shown = contents.mid(0, ShownMessages);
    if (contents.size() > ShownMessages) {
        shown << ErrorReportTexts::tr("… and %1 more (Show Details)")
                     .arg(contents.size() - ShownMessages);
        box.setDetailedText(contents.join('\n'));
    }
    box.setInformativeText(
        ErrorReportTexts::tr("It contains the program's version and these messages, with "
                             "every file and folder name left out:") +
        "\n\n" + shown.join('\n'));
    QPushButton* send = box.addButton(ErrorReportTexts::tr("&Send"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(ErrorReportTexts::tr("&Don't Send"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    auto* dontAsk = new QCheckBox(ErrorReportTexts::tr("Don't ask again"), &box);
    box.setCheckBox(dontAsk);
    box.exec();
    return {box.clickedButton() == send, dontAsk->isChecked()};
}

bool OfferErrorReport(QWidget* parent, int failedJobs,
                      const std::vector<std::string>& failureMessages,
                      const std::vector<std::string>& knownPaths) {
    if (failedJobs <= 0 || failureMessages.empty() || !vxProject || !vxInfo || IsUnattended())
        return false;
    const std::vector<std::string> reported = ReportableMessages(failureMessages, knownPaths);
    ErrorReportChoice choice = ReadErrorReportChoice(*vxProject);
    if (choice == ErrorReportChoice::Ask) {
        QStringList contents;
        for (const std::string& message : reported)
            contents << QString::fromStdString(platform::EscapeControls(message));
        const ErrorReportAnswer answer = Ask().AskErrorReport(parent, failedJobs, contents);
        choice = answer.send ? ErrorReportChoice::Send : ErrorReportChoice::DontSend;
        if (answer.dontAskAgain) KeepChoice(choice);
    }
    if (choice != ErrorReportChoice::Send) return false;
    return vxInfo->OpenAction(ErrorReportAction(reported));
}

}  // namespace ui
