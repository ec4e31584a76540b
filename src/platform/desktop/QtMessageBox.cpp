#include "QtMessageBox.h"

#include "platform/PassingDialog.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

QString QtMessageBox::textOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return QStringLiteral("OK");
    case MessageAnswer::Cancel:
        return QStringLiteral("Annuler");
    case MessageAnswer::Yes:
        return QStringLiteral("Oui");
    case MessageAnswer::No:
        return QStringLiteral("Non");
    case MessageAnswer::Retry:
        return QStringLiteral("Réessayer");
    case MessageAnswer::Abort:
        return QStringLiteral("Abandonner");
    case MessageAnswer::Ignore:
        return QStringLiteral("Ignorer");
    }
    return QString();
}

MessageAnswer QtMessageBox::escapeAnswerOf(MessageButtons buttons)
{
    const QList<MessageAnswer> answers = answersOf(buttons);
    if (answers.contains(MessageAnswer::Cancel))
        return MessageAnswer::Cancel;
    if (answers.contains(MessageAnswer::No))
        return MessageAnswer::No;
    return answers.first();
}

namespace {

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageBox::ask(const MessageRequest &request)
{
    QMessageBox box;
    PassingDialog::mark(box);
    box.setIcon(iconOf(request.icon));
    box.setWindowTitle(request.title);
    box.setText(request.text);

    const QList<MessageAnswer> answers = answersOf(request.buttons);
    const MessageAnswer escape = escapeAnswerOf(request.buttons);
    QList<QPushButton *> buttons;
    for (MessageAnswer answer : answers) {
        // One role for all keeps the buttons in the order given instead of the style's order.
        QPushButton *button = box.addButton(textOf(answer), QMessageBox::ActionRole);
        buttons.append(button);
        if (answer == escape)
            box.setEscapeButton(button);
    }
    const int defaultIndex = request.defaultButton >= 0 && request.defaultButton < buttons.size()
                                 ? request.defaultButton
                                 : 0;
    box.setDefaultButton(buttons.at(defaultIndex));

    box.exec();
    const int chosen = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return chosen >= 0 ? answers.at(chosen) : escape;
}
