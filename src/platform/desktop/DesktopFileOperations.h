#pragma once

#include "platform/FileOperations.h"

#include <functional>
#include <memory>

// Follows a copy block by block; a long copy shows it to the user, who may stop it.
class CopyProgress
{
public:
    virtual ~CopyProgress() = default;
    // After each block; false stops the copy.
    virtual bool advance(qint64 copied, qint64 total) = 0;
};

// File operations on the local file systems: copies through a temporary file beside the
// destination, deletes through the freedesktop trash (QFile::moveToTrash).
class DesktopFileOperations : public FileOperations
{
public:
    using ProgressFactory
        = std::function<std::unique_ptr<CopyProgress>(const QString &source, qint64 total)>;

    // The default progress is a French progress dialog, shown once a copy lasts.
    explicit DesktopFileOperations(ProgressFactory progress = dialogProgress(),
                                   qint64 blockSize = qint64(1) << 20);

    CopyResult copy(const QString &source, const QString &destination) override;
    bool clearAttributes(const QString &path) override;
    TrashResult moveToTrash(const QString &path) override;

    static ProgressFactory dialogProgress();
    // Whether two paths name one file, through links of either kind.
    static bool sameFile(const QString &a, const QString &b);

private:
    ProgressFactory m_progress;
    qint64 m_blockSize;
};
