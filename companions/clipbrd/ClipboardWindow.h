#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

// Shows what the clipboard holds, text or image, and follows its changes.
class ClipboardWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ClipboardWindow(QWidget *parent = nullptr);

private:
    void refresh();

    QStackedWidget *m_pages;
    QLabel *m_empty;
    QPlainTextEdit *m_text;
    QLabel *m_image;
};
