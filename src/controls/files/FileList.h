#pragma once

#include <QListWidget>

// The file list: the files of a folder whose names match a pattern ("*.avi;*.mpg;*.mov": several
// patterns joined by ";", matched without regard to case), sorted by name without regard to
// case. Hidden files are left out. Colours are 0x00BBGGRR integers.
class FileList : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChange)
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern NOTIFY patternChange)
    Q_PROPERTY(bool multiSelect READ multiSelect WRITE setMultiSelect)
    Q_PROPERTY(int listCount READ listCount)
    Q_PROPERTY(int listIndex READ listIndex WRITE setListIndex)
    Q_PROPERTY(QString fileName READ fileName)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)

public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Lists another folder. When it cannot be read, readError() is emitted, the list keeps what
    // it showed and false is returned.
    bool setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    // Extended selection (several entries) when true, one entry when false.
    bool multiSelect() const;
    void setMultiSelect(bool several);
    // Reads the folder again; the selection is cleared.
    void refresh();

    int listCount() const { return count(); }
    QString list(int index) const;
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    // The current entry, -1 when there is none.
    int listIndex() const { return currentRow(); }
    void setListIndex(int index);
    // The name of the current entry ("" when there is none).
    QString fileName() const;

    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);

    // The patterns of a ";"-joined pattern text, as name filters ("*.*" matches every name).
    static QStringList splitPattern(const QString &pattern);

signals:
    // The user clicked an entry or moved the current entry with the keyboard.
    void click();
    void doubleClick();
    void pathChange();
    void patternChange();
    void readError(const QString &systemMessage);
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool reload();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    quint32 m_fore = 0x000000;
    quint32 m_back = 0xFFFFFF;
};
