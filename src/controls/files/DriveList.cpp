#include "DriveList.h"

#include "controls/SkinPaint.h"
#include "controls/files/FolderAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>

#include <algorithm>

namespace {

constexpr int RootRole = Qt::UserRole;

bool holds(const QString &root, const QString &path)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

} // namespace

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    setFont(SkinPaint::captionFont());
    FolderAccess::applyColours(this, m_fore, m_back);
    refresh();
    connect(this, &QComboBox::activated, this, [this](int index) { choose(index); });
}

void DriveList::refresh()
{
    const QString current = drive();
    QStringList roots{QDir::rootPath()};
    QHash<QString, QString> names;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root))
            roots.append(root);
        names.insert(root, volume.displayName());
    }
    std::sort(roots.begin() + 1, roots.end());

    const QSignalBlocker blocker(this);
    clear();
    for (const QString &root : std::as_const(roots)) {
        const QString name = names.value(root);
        const QString label
            = name.isEmpty() || name == root ? root : QStringLiteral("%1  [%2]").arg(root, name);
        addItem(label, root);
    }
    const int index = current.isEmpty() ? 0 : findData(current);
    m_chosen = index >= 0 ? index : 0;
    setCurrentIndex(m_chosen);
}

QString DriveList::drive() const
{
    return itemData(currentIndex(), RootRole).toString();
}

int DriveList::indexOfVolume(const QString &path) const
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i, RootRole).toString();
        if (holds(root, path) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

bool DriveList::setDrive(const QString &path)
{
    const QString wanted = path.isEmpty() ? QString() : FolderAccess::normalised(path);
    if (wanted.isEmpty() || !QFileInfo::exists(wanted)) {
        m_failed = wanted;
        emit readError(FolderAccess::listingError(wanted).value_or(QString()));
        return false;
    }
    int index = indexOfVolume(wanted);
    // A volume mounted since the list was read.
    if (index < 0 || itemData(index, RootRole).toString() != QStorageInfo(wanted).rootPath()) {
        refresh();
        index = indexOfVolume(wanted);
    }
    if (index < 0)
        return false;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    return choose(index);
}

bool DriveList::choose(int index)
{
    const QString root = itemData(index, RootRole).toString();
    if (const std::optional<QString> error = FolderAccess::listingError(root)) {
        // The volume went away or cannot be read: the list goes back to the drive it had.
        m_failed = root;
        {
            const QSignalBlocker blocker(this);
            setCurrentIndex(m_chosen);
        }
        emit readError(*error);
        return false;
    }
    m_failed.clear();
    const bool changed = index != m_chosen;
    m_chosen = index;
    if (changed)
        emit change();
    return true;
}

void DriveList::setForeColor(quint32 colour)
{
    m_fore = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void DriveList::setBackColor(quint32 colour)
{
    m_back = colour;
    FolderAccess::applyColours(this, m_fore, m_back);
}

void DriveList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QComboBox::keyPressEvent(event);
}
