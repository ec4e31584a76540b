#pragma once

#include <QString>

// How a copy ended.
enum class CopyOutcome {
    Copied,
    SourceMissing, // renamed or deleted by another program: nothing was written
    SameFile,      // source and destination are one file: nothing was written
    Cancelled,     // the user stopped a long copy: the destination is as it was
    Failed         // nothing was replaced; message says why, in French
};

struct CopyResult
{
    CopyOutcome outcome = CopyOutcome::Failed;
    QString message;
};

// How a move to the trash ended.
enum class TrashOutcome {
    Trashed,
    Missing, // renamed or deleted by another program
    Refused  // the trash could not take the file, which stays where it was; message says why
};

struct TrashResult
{
    TrashOutcome outcome = TrashOutcome::Refused;
    QString message;
};

// The file operations of the media file manager. None of them ever loses data: a copy
// replaces its destination only once complete, and a delete only moves to the desktop's
// trash, never removing a file for good.
class FileOperations
{
public:
    virtual ~FileOperations() = default;

    // Copies source over destination (replaced without a question). The copy is written
    // beside the destination under a temporary name and renamed over it once complete; a
    // long copy shows a progress dialog that can stop it.
    virtual CopyResult copy(const QString &source, const QString &destination) = 0;
    // Clears the read-only attribute; false when the file could not be changed.
    virtual bool clearAttributes(const QString &path) = 0;
    // Moves a file to the desktop's trash, from where the user can restore it.
    virtual TrashResult moveToTrash(const QString &path) = 0;
};
