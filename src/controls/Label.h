#pragma once

#include <QLabel>

// A caption on a window or panel: text in forecolor on a transparent background.
class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QString caption READ text WRITE setText)

public:
    explicit Label(QWidget *parent = nullptr);

    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);

private:
    quint32 m_fore = 0xFFFFFF;
};
