#pragma once

#include <QListWidget>

// A list box of text entries, one chosen at a time. A click on an entry (or a move of the
// current entry with the keyboard) emits click(). Colours are 0x00BBGGRR integers.
class ListBox : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(int listCount READ listCount)
    Q_PROPERTY(int listIndex READ listIndex WRITE setListIndex)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)

public:
    explicit ListBox(QWidget *parent = nullptr);

    // Adds an entry at the end.
    void addEntry(const QString &text);
    // Sets the text of an entry, adding empty entries up to it when needed.
    void setEntry(int index, const QString &text);
    QString list(int index) const;
    int listCount() const { return count(); }
    // The chosen entry, -1 when there is none. Setting it from the code emits no click.
    int listIndex() const { return currentRow(); }
    void setListIndex(int index);

    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);

signals:
    void click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    quint32 m_fore = 0x000000;
    quint32 m_back = 0xFFFFFF;
};
