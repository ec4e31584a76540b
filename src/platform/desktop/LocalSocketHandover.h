#pragma once

#include "platform/InstanceHandover.h"

#include <QLocalServer>

// The hand-over through a local socket in the user's runtime folder (XDG_RUNTIME_DIR, or the
// private folder Qt makes in its place): no other user can reach it. Each start sends one
// list of names and waits for the running copy's receipt.
class LocalSocketHandover : public InstanceHandover
{
    Q_OBJECT

public:
    // An empty path: the socket in the user's runtime folder.
    explicit LocalSocketHandover(const QString &socketPath = {});

    bool listen() override;
    bool handOver(const QStringList &files) override;

    // A list no larger than this is read; a longer message is not ours.
    static constexpr qint64 MaxMessage = 1 << 20;

private:
    void accept();

    QString m_path;
    QLocalServer m_server;
};
