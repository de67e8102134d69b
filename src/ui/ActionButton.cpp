#include "ui/ActionButton.h"

#include <QAction>

namespace ui {

ActionButton::ActionButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (action_ && action_->isEnabled()) action_->trigger();
    });
}

void ActionButton::SetAction(QAction* action) {
    disconnect(changed_);
    action_ = action;
    if (action_) changed_ = connect(action_, &QAction::changed, this, &ActionButton::Follow);
    Follow();
}

void ActionButton::Follow() {
    if (!action_) return;
    setText(action_->text());
    setToolTip(action_->statusTip());  // the hint; empty when the action has none
    setEnabled(action_->isEnabled());
    setVisible(action_->isVisible());
}

}  // namespace ui
