#include "LocalSocketHandover.h"

#include "core/Logging.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr quint32 Magic = 0x4B565354; // "KVST"
constexpr char Receipt = 'K';

QString defaultSocketPath()
{
    // Qt checks that this folder belongs to the user and is private to them.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/kinovue-st.handover");
}

} // namespace

LocalSocketHandover::LocalSocketHandover(const QString &socketPath)
    : m_path(socketPath.isEmpty() ? defaultSocketPath() : socketPath)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &LocalSocketHandover::accept);
}

bool LocalSocketHandover::listen()
{
    if (m_path.isEmpty())
        return false;
    if (m_server.isListening() || m_server.listen(m_path))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // The name is taken: by a live copy, which answers, or by one that ended without
    // removing it.
    QLocalSocket probe;
    probe.connectToServer(m_path);
    if (probe.waitForConnected(500))
        return false;
    QLocalServer::removeServer(m_path);
    return m_server.listen(m_path);
}

void LocalSocketHandover::accept()
{
    while (QLocalSocket *peer = m_server.nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (peer->bytesAvailable() > MaxMessage) {
                peer->abort();
                return;
            }
            QDataStream in(peer);
            in.startTransaction();
            quint32 magic = 0;
            QStringList files;
            in >> magic >> files;
            if (!in.commitTransaction())
                return; // the rest has not arrived yet
            if (magic != Magic) {
                peer->abort();
                return;
            }
            peer->write(&Receipt, 1);
            peer->flush();
            peer->disconnectFromServer();
            emit filesReceived(files);
        });
    }
}

bool LocalSocketHandover::handOver(const QStringList &files)
{
    if (m_path.isEmpty())
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << Magic << files;
    // The running copy takes its lock a moment before it listens: try for a little while.
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_path);
        if (socket.waitForConnected(1000))
            break;
        if (waited.elapsed() > 3000) {
            qCWarning(lcPlatform) << "no running copy listens on" << m_path;
            return false;
        }
        QThread::msleep(100);
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(3000))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(5000))
            return false;
    }
    char receipt = 0;
    return socket.read(&receipt, 1) == 1 && receipt == Receipt;
}
