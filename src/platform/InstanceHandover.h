#pragma once

#include <QObject>
#include <QStringList>

// Files given to a later start of the program, handed to the copy already running (per user).
class InstanceHandover : public QObject
{
    Q_OBJECT

public:
    // Becomes the copy that later starts hand their files to. False when another live copy
    // already is, or when no private place for the hand-over exists.
    virtual bool listen() = 0;
    // Hands absolute file names to the running copy; false when none took them.
    virtual bool handOver(const QStringList &files) = 0;

signals:
    void filesReceived(const QStringList &files);
};
