#pragma once

#include <QListWidget>

// The folder list: the ancestors of the current folder down to it, then its sub-folders. A
// double-click (or Enter) on an entry opens that folder. Colours are 0x00BBGGRR integers.
class DirList : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY change)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)
    Q_PROPERTY(int listCount READ listCount)

public:
    explicit DirList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Opens a folder; an empty path opens the home folder. When the folder cannot be read,
    // readError() is emitted, the list keeps what it showed and false is returned.
    bool setPath(const QString &path);
    void refresh();
    // The folder whose opening failed last, for a retry; "" after a success.
    QString failedPath() const { return m_failed; }

    // The sub-folders of the current folder, as full paths.
    int listCount() const { return m_children.size(); }
    QString list(int index) const { return m_children.value(index); }

    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);

signals:
    void change();
    void readError(const QString &systemMessage);
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill(const QStringList &children);
    void open(QListWidgetItem *item);

    QString m_path;
    QString m_failed;
    QStringList m_children;
    quint32 m_fore = 0x000000;
    quint32 m_back = 0xFFFFFF;
};
