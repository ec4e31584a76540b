#pragma once

#include "platform/HelpFile.h"

#include <QList>
#include <QMainWindow>

#include <optional>

class QListWidget;
class QPushButton;
class QTextBrowser;

// The whole help file: its topics listed on the left, the chosen topic's text on the right.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows `file` at `context`, or at its contents topic; a file that cannot be read, or a
    // command line that was not understood, shows `error` instead.
    void open(const HelpRequest &request);

private:
    void showTopic(int context, bool remember);
    void showMessage(const QString &text);
    void goBack();

    std::optional<HelpFile> m_help;
    QListWidget *m_list;
    QTextBrowser *m_text;
    QPushButton *m_contents;
    QPushButton *m_back;
    QList<int> m_history;
    std::optional<int> m_current;
};
