#include "ui/Questions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

// The context lupdate files these texts under.
struct QuestionTexts {
    Q_DECLARE_TR_FUNCTIONS(QuestionTexts)
};

QString Caption() { return QCoreApplication::applicationName(); }

}  // namespace

UnsavedAnswer MessageBoxQuestions::AskUnsavedOptions(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, Caption(),
                    QuestionTexts::tr("The options of the batch project have been changed."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QuestionTexts::tr("Do you want to save them?"));
    // Named here, so they follow the program's language, not Qt's.
    box.button(QMessageBox::Save)->setText(QuestionTexts::tr("&Save"));
    box.button(QMessageBox::Discard)->setText(QuestionTexts::tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(QuestionTexts::tr("Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
    }
}

bool MessageBoxQuestions::AcceptOptionProblems(QWidget* parent, const QStringList& problems) {
    QMessageBox box(QMessageBox::Warning, Caption(),
                    QuestionTexts::tr("Some option lines will not be read as written."),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(problems.join('\n'));
    QPushButton* back = box.addButton(QuestionTexts::tr("Go &Back"), QMessageBox::RejectRole);
    QPushButton* accept =
        box.addButton(QuestionTexts::tr("&Accept Anyway"), QMessageBox::AcceptRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return box.clickedButton() == accept;
}

}  // namespace ui
