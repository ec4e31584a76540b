#include "DesktopFileOperations.h"

#include "core/Logging.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString readingReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("vous n'avez pas le droit de lire ce fichier");
    case EIO:
        return QStringLiteral("le disque n'a pas pu être lu");
    default:
        return QStringLiteral("le fichier n'a pas pu être lu (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString writingReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il n'y a plus assez de place sur le disque de destination");
    case EACCES:
    case EPERM:
        return QStringLiteral("vous n'avez pas le droit d'écrire dans ce dossier");
    case EROFS:
        return QStringLiteral("le disque de destination est protégé en écriture");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("le dossier de destination n'existe pas");
    case EIO:
        return QStringLiteral("le disque de destination n'a pas pu être écrit");
    default:
        return QStringLiteral("l'écriture a échoué (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

CopyResult failure(const QString &source, const QString &destination, const QString &reason)
{
    qCDebug(lcPlatform) << "copy" << source << "to" << destination << "failed:" << reason;
    return {CopyOutcome::Failed,
            QStringLiteral("Le fichier « %1 » n'a pas pu être copié sous le nom « %2 » : %3.\n"
                           "Aucun fichier n'a été remplacé ni laissé à moitié écrit.")
                .arg(displayName(source), displayName(destination), reason)};
}

class DialogProgress : public CopyProgress
{
public:
    DialogProgress(const QString &source, qint64 total)
        : m_total(total)
        , m_dialog(QStringLiteral("Copie du fichier « %1 » en cours...")
                       .arg(QFileInfo(source).fileName()),
                   QStringLiteral("Annuler"), 0, Steps, QApplication::activeWindow())
    {
        m_dialog.setWindowTitle(QStringLiteral("Kinovue ST - Copie"));
        m_dialog.setWindowModality(Qt::ApplicationModal);
        // Short copies end before the dialog would appear.
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }

    bool advance(qint64 copied, qint64) override
    {
        const int step = m_total > 0 ? int(copied * Steps / m_total) : Steps;
        m_dialog.setValue(std::min(step, Steps - 1));
        // Keeps every window painted and the cancel button live between blocks.
        QApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    static constexpr int Steps = 1000;
    qint64 m_total;
    QProgressDialog m_dialog;
};

} // namespace

DesktopFileOperations::DesktopFileOperations(ProgressFactory progress, qint64 blockSize)
    : m_progress(std::move(progress))
    , m_blockSize(std::max<qint64>(blockSize, 4096))
{}

DesktopFileOperations::ProgressFactory DesktopFileOperations::dialogProgress()
{
    return [](const QString &source, qint64 total) -> std::unique_ptr<CopyProgress> {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return nullptr;
        return std::make_unique<DialogProgress>(source, total);
    };
}

bool DesktopFileOperations::sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                                  QFile::encodeName(b).toStdString(), error);
    if (!error && same)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

CopyResult DesktopFileOperations::copy(const QString &source, const QString &destination)
{
    if (!QFileInfo(source).isFile())
        return {CopyOutcome::SourceMissing, {}};
    if (sameFile(source, destination))
        return {CopyOutcome::SameFile, {}};

    QFile in(source);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        return failure(source, destination, readingReason(errno));
    // Written beside the destination and renamed over it by commit(): until then the old
    // destination stays whole, and the destructor removes an unfinished temporary file.
    QSaveFile out(destination);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(source, destination, writingReason(errno));

    const qint64 total = in.size();
    const std::unique_ptr<CopyProgress> progress = m_progress ? m_progress(source, total) : nullptr;
    QByteArray block(int(m_blockSize), Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        errno = 0;
        const qint64 read = in.read(block.data(), block.size());
        if (read < 0) {
            out.cancelWriting();
            return failure(source, destination, readingReason(errno));
        }
        if (read == 0)
            break;
        errno = 0;
        if (out.write(block.constData(), read) != read) {
            const int error = errno;
            out.cancelWriting();
            return failure(source, destination, writingReason(error));
        }
        copied += read;
        if (progress && !progress->advance(copied, total)) {
            out.cancelWriting();
            qCDebug(lcPlatform) << "copy of" << source << "stopped by the user";
            return {CopyOutcome::Cancelled, {}};
        }
    }
    errno = 0;
    if (!out.commit())
        return failure(source, destination, writingReason(errno ? errno : EIO));
    return {CopyOutcome::Copied, {}};
}

bool DesktopFileOperations::clearAttributes(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    return file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
}

TrashResult DesktopFileOperations::moveToTrash(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {TrashOutcome::Missing, {}};
    const TrashResult refused{
        TrashOutcome::Refused,
        QStringLiteral("Le fichier « %1 » n'a pas pu être mis à la corbeille : ce disque n'a "
                       "pas de corbeille, ou elle n'est pas accessible.\n"
                       "Le fichier n'a pas été supprimé : il est resté à sa place.")
            .arg(displayName(path))};
    // Qt 6.4 falls back on the working folder when it cannot make the home trash, so the
    // home trash is made possible first, and a file that went elsewhere is put back.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(dataHome);
    const QFileInfo homeTrash(QDir(dataHome).filePath(QStringLiteral("Trash")));
    if (homeTrash.exists() && !homeTrash.isDir()) {
        qCDebug(lcPlatform) << "no usable trash in" << dataHome;
        return refused;
    }
    QString whereNow;
    // Never a permanent delete: when the trash cannot take the file, it stays.
    if (!QFile::moveToTrash(path, &whereNow)) {
        qCDebug(lcPlatform) << "the trash refused" << path;
        return refused;
    }
    if (QDir::isRelativePath(whereNow)) {
        QFile::rename(whereNow, path);
        const QFileInfo moved(whereNow);
        QFile::remove(
            moved.dir().filePath(QStringLiteral("../info/%1.trashinfo").arg(moved.fileName())));
        qCDebug(lcPlatform) << "the trash put" << path << "in" << whereNow << ": put back";
        return refused;
    }
    return {TrashOutcome::Trashed, {}};
}
