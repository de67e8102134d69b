#pragma once
// The questions the windows put to the user before they give something up:
// options changed but not saved, and option lines that will not be read as
// written. The program asks with message boxes; tests answer from a script.

#include <QStringList>

class QWidget;

namespace ui {

enum class UnsavedAnswer { Save, Discard, Cancel };

class Questions {
public:
    virtual ~Questions() = default;
    // The options were changed in the window since they were loaded or saved.
    virtual UnsavedAnswer AskUnsavedOptions(QWidget* parent) = 0;
    // True to take the option lines as they are, false to go back to them.
    virtual bool AcceptOptionProblems(QWidget* parent, const QStringList& problems) = 0;
};

class MessageBoxQuestions final : public Questions {
public:
    UnsavedAnswer AskUnsavedOptions(QWidget* parent) override;
    bool AcceptOptionProblems(QWidget* parent, const QStringList& problems) override;
};

}  // namespace ui
