#include "DirList.h"

#include "controls/SkinPaint.h"
#include "controls/files/FolderAccess.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IndentPerLevel = 2;

QStringList subFolders(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace

DirList::DirList(QWidget *parent)
    : QListWidget(parent)
{
    setFont(SkinPaint::captionFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    FolderAccess::applyColours(this, m_fore, m_back);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { open(item); });
}

bool DirList::setPath(const QString &path)
{
    const QString wanted = FolderAccess::normalised(path.isEmpty() ? QDir::homePath() : path);
    if (const std::optional<QString> error = FolderAccess::listingError(wanted)) {
        m_failed = wanted;
        emit readError(*error);
        return false;
    }
    m_failed.clear();
    const bool changed = wanted != m_path;
    m_path = wanted;
    fill(subFolders(m_path));
    if (changed)
        emit change();
    return true;
}

void DirList::refresh()
{
    if (m_path.isEmpty())
        return;
    if (const std::optional<QString> error = FolderAccess::listingError(m_path)) {
        emit readError(*error);
        return;
    }
    fill(subFolders(m_path));
}

void DirList::fill(const QStringList &children)
{
    clear();
    m_children.clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList ancestors;
    for (QString folder = m_path;; folder = QFileInfo(folder).path()) {
        ancestors.prepend(folder);
        if (QDir(folder).isRoot())
            break;
    }
    int depth = 0;
    for (const QString &folder : std::as_const(ancestors)) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(
            openIcon, QString(depth * IndentPerLevel, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QString &name : children) {
        const QString full = joined(m_path, name);
        auto *item = new QListWidgetItem(
            closedIcon, QString(depth * IndentPerLevel, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, full);
        m_children.append(full);
    }
}

void DirList::open(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(PathRole).toString());
}

void DirList::setForeColor(quint32 colour)
{
    m_fore = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void DirList::setBackColor(quint32 colour)
{
    m_back = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void DirList::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        emit helpRequested();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        open(currentItem());
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}
