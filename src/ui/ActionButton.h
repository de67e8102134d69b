#pragma once
// A push button that stands for an action: it shows the action's caption,
// tool tip, enabled state and visibility, and a click triggers the action.
// The action can be swapped while the program runs (Convert becomes Pause).

#include <QMetaObject>
#include <QPointer>
#include <QPushButton>

class QAction;

namespace ui {

class ActionButton : public QPushButton {
    Q_OBJECT
public:
    explicit ActionButton(QWidget* parent = nullptr);

    void SetAction(QAction* action);

private:
    void Follow();

    QPointer<QAction> action_;
    QMetaObject::Connection changed_;
};

}  // namespace ui
