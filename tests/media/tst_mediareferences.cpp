#include "TestMain.h"

#include "MediaFactory.h"
#include "media/MediaWindow.h"
#include "media/MpvEngine.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>

using kvtest::MediaFactory;

// A local file names an address or another file inside it: the media window opens the file it
// was given and nothing else. A listener on the loopback address stands for the network.
class TestMediaReferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referencesInsideAFileAreNotFollowed_data();
    void referencesInsideAFileAreNotFollowed();
    void repeatPlayStillLoopsWithSound();

private:
    std::unique_ptr<MediaFactory> m_factory;
    QString m_localAvi;
};

void TestMediaReferences::initTestCase()
{
    if (!MediaFactory::ffmpegAvailable())
        QFAIL("ffmpeg is not installed: no test media can be made (scripts/setup.sh installs it)");
    m_factory = std::make_unique<MediaFactory>();
    m_localAvi = m_factory->make(MediaFactory::Format::AviCinepak, 1).path;
    QVERIFY(!m_localAvi.isEmpty());
}

void TestMediaReferences::referencesInsideAFileAreNotFollowed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("content"); // %1: an address on the listener, %2: a local AVI
    // Each made an HTTP request, or played the local AVI in its place, before references
    // were turned off.
    QTest::newRow("M3U playlist as .avi") << "liste.avi"
                                          << "#EXTM3U\n#EXTINF:1,x\n%1/a.avi\n";
    QTest::newRow("PLS playlist as .mpg") << "liste.mpg"
                                          << "[playlist]\nFile1=%1/c.mpg\n";
    QTest::newRow("mpv edit list as .avi") << "montage.avi"
                                           << "# mpv EDL v0\n%1/d.avi\n";
    QTest::newRow("HLS playlist as .mpg")
        << "flux.mpg"
        << "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\n%1/e.ts\n"
           "#EXT-X-ENDLIST\n";
    QTest::newRow("edit list naming a local file") << "autre.avi"
                                                   << "# mpv EDL v0\n%2\n";
}

void TestMediaReferences::referencesInsideAFileAreNotFollowed()
{
    QFETCH(QString, name);
    QFETCH(QString, content);
    QTcpServer listener;
    QVERIFY(listener.listen(QHostAddress::LocalHost));
    QByteArray request;
    connect(&listener, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *socket = listener.nextPendingConnection();
        if (socket->waitForReadyRead(500))
            request = socket->readAll();
        if (request.isEmpty())
            request = "(connected)";
        socket->abort();
    });
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(listener.serverPort());
    const QString path = m_factory->write(
        name, QString(content).replace("%1", address).replace("%2", m_localAvi).toUtf8());

    MediaWindow window;
    window.setFileName(path);
    if (!window.fileName().isEmpty())
        window.sendCommand(QStringLiteral("play"));
    QDeadlineTimer deadline(1500);
    while (request.isEmpty() && !deadline.hasExpired())
        QTest::qWait(20);
    QVERIFY2(request.isEmpty(), request.left(200).constData());
    // What the file names is not played in its place.
    QVERIFY2(window.fileName().isEmpty() || window.length() != 1000,
             qPrintable(QStringLiteral("opened, %1 ms long").arg(window.length())));
}

void TestMediaReferences::repeatPlayStillLoopsWithSound()
{
    // Repeat play of a picture with sound runs on the program's own edit list of the file.
    MediaWindow window;
    window.setFileName(m_localAvi);
    QCOMPARE(window.length(), 1000);
    window.sendCommand(QStringLiteral("play repeat"));
    const auto *engine = qobject_cast<MpvEngine *>(window.engine());
    QVERIFY(engine);
    QVERIFY2(engine->onTimeline(), "the timeline did not load: repeat fell back to the file");
    QElapsedTimer clock;
    clock.start();
    int wraps = 0;
    int last = 0;
    while (clock.elapsed() < 2600) {
        QTest::qWait(20);
        if (window.position() + 500 < last)
            ++wraps;
        last = window.position();
    }
    QCOMPARE(window.mode(), MediaWindow::Mode::Playing);
    QVERIFY2(wraps >= 2, qPrintable(QString::number(wraps)));
}

KV_TEST_MAIN(TestMediaReferences)
#include "tst_mediareferences.moc"
