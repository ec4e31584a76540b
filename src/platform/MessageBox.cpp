#include "MessageBox.h"

QList<MessageAnswer> answersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {MessageAnswer::Ok};
    case MessageButtons::OkCancel:
        return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo:
        return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    case MessageButtons::RetryCancel:
        return {MessageAnswer::Retry, MessageAnswer::Cancel};
    case MessageButtons::AbortRetryIgnore:
        return {MessageAnswer::Abort, MessageAnswer::Retry, MessageAnswer::Ignore};
    }
    return {MessageAnswer::Ok};
}
