#include "FileList.h"

#include "controls/SkinPaint.h"
#include "controls/files/FolderAccess.h"

#include <QDir>
#include <QKeyEvent>

#include <algorithm>

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    setFont(SkinPaint::captionFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    FolderAccess::applyColours(this, m_fore, m_back);
    connect(this, &QListWidget::itemClicked, this, [this] { emit click(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit doubleClick(); });
}

QStringList FileList::splitPattern(const QString &pattern)
{
    QStringList filters;
    for (const QString &part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString filter = part.trimmed();
        if (filter.isEmpty())
            continue;
        // "*.*" meant every file, with or without an extension.
        filters.append(filter == QLatin1String("*.*") ? QStringLiteral("*") : filter);
    }
    if (filters.isEmpty())
        filters.append(QStringLiteral("*"));
    return filters;
}

bool FileList::reload()
{
    if (m_path.isEmpty()) {
        clear();
        return true;
    }
    if (const std::optional<QString> error = FolderAccess::listingError(m_path)) {
        emit readError(*error);
        return false;
    }
    QDir folder(m_path);
    folder.setNameFilters(splitPattern(m_pattern));
    // Without QDir::CaseSensitive the patterns match regardless of case, as on the old system.
    folder.setFilter(QDir::Files);
    QStringList names = folder.entryList();
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    clear();
    addItems(names);
    return true;
}

bool FileList::setPath(const QString &path)
{
    const QString wanted = path.isEmpty() ? QString() : FolderAccess::normalised(path);
    const QString previous = m_path;
    m_path = wanted;
    if (!reload()) {
        m_path = previous;
        return false;
    }
    if (wanted != previous)
        emit pathChange();
    return true;
}

void FileList::setPattern(const QString &pattern)
{
    const bool changed = pattern != m_pattern;
    m_pattern = pattern;
    reload();
    if (changed)
        emit patternChange();
}

bool FileList::multiSelect() const
{
    return selectionMode() == QAbstractItemView::ExtendedSelection;
}

void FileList::setMultiSelect(bool several)
{
    setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                             : QAbstractItemView::SingleSelection);
}

void FileList::refresh()
{
    reload();
}

QString FileList::list(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

bool FileList::selected(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry && entry->isSelected();
}

void FileList::setSelected(int index, bool selected)
{
    QListWidgetItem *entry = item(index);
    if (!entry)
        return;
    if (selected && !multiSelect())
        clearSelection();
    entry->setSelected(selected);
}

void FileList::setListIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

QString FileList::fileName() const
{
    const QListWidgetItem *entry = currentItem();
    return entry ? entry->text() : QString();
}

void FileList::setForeColor(quint32 colour)
{
    m_fore = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void FileList::setBackColor(quint32 colour)
{
    m_back = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void FileList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit click();
}
