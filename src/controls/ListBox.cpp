#include "ListBox.h"

#include "controls/SkinPaint.h"
#include "controls/files/FolderAccess.h"

#include <QKeyEvent>

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setFont(SkinPaint::captionFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    FolderAccess::applyColours(this, m_fore, m_back);
    connect(this, &QListWidget::itemClicked, this, [this] { emit click(); });
}

void ListBox::addEntry(const QString &text)
{
    addItem(text);
}

void ListBox::setEntry(int index, const QString &text)
{
    if (index < 0)
        return;
    while (count() <= index)
        addItem(QString());
    item(index)->setText(text);
}

QString ListBox::list(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

void ListBox::setListIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

void ListBox::setForeColor(quint32 colour)
{
    m_fore = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void ListBox::setBackColor(quint32 colour)
{
    m_back = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit click();
}
