#pragma once
// The questions the windows put to the user before they give something up
// or send something away: options changed but not saved, option lines that
// will not be read as written, and the error report after failed jobs. The program asks with
// message boxes; tests answer from a script.

#include <QStringList>

class QWidget;

namespace ui {

enum class UnsavedAnswer { Save, Discard, Cancel };

struct ErrorReportAnswer {
    bool send = false;
    bool dontAskAgain = false;
};

class Questions {
public:
    virtual ~Questions() = default;
    // The options were changed in the window since they were loaded or saved.
    virtual UnsavedAnswer AskUnsavedOptions(QWidget* parent) = 0;
    // True to take the option lines as they are, false to go back to them.
    virtual bool AcceptOptionProblems(QWidget* parent, const QStringList& problems) = 0;
    // Whether to send the report of `failedJobs` failed jobs, whose
    // `contents` (the messages as sent) are shown in full.
    virtual ErrorReportAnswer AskErrorReport(QWidget* parent, int failedJobs,
                                             const QStringList& contents) = 0;
};

class MessageBoxQuestions final : public Questions {
public:
    UnsavedAnswer AskUnsavedOptions(QWidget* parent) override;
    bool AcceptOptionProblems(QWidget* parent, const QStringList& problems) override;
    ErrorReportAnswer AskErrorReport(QWidget* parent, int failedJobs,
                                     const QStringList& contents) override;
};

}  // namespace ui
