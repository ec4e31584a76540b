#pragma once

#include <QList>
#include <QString>

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// The answers of a set of buttons, left to right.
QList<MessageAnswer> answersOf(MessageButtons buttons);

struct MessageRequest
{
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 0; // index among the buttons, left to right
    QString title;
    QString text;
};

class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    // Modal; returns the button the user chose (Escape gives Cancel, or No where there is none).
    virtual MessageAnswer ask(const MessageRequest &request) = 0;
};
