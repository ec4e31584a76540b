#pragma once

#include "platform/MessageBox.h"

#include <QList>

class QMessageBox;

// A QMessageBox with the French buttons of the request, in the platform's left-to-right order.
class QtMessageBox : public MessageBoxService
{
public:
    MessageAnswer ask(const MessageRequest &request) override;

    static QString textOf(MessageAnswer answer);
    // What Escape (or closing the box) answers.
    static MessageAnswer escapeAnswerOf(MessageButtons buttons);
};
