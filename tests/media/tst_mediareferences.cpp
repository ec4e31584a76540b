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
        QSKIP("ffmpeg is not installed: no test media can be made");
    m_factory = std::make_unique<MediaFactory>();
    m_localAvi = m_factory->make(MediaFactory::Format::AviCinepak, 1).path;
    QVERIFY(!m_localAvi.isEmpty());
}

void TestMediaReferences::referencesInsideAFileAreNotFollowed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("content"); // %1: an address on the listener, %2: a local AVI
    QTest::newRow("M3U playlist saved as .avi") << "liste.avi"
                                                << "#EXTM3U\n#EXTINF:1,x\n%1/a.avi\n";
    QTest::newRow("plain playlist saved as .avi") << "nue.avi"
                                                  << "%1/b.avi\n";
    QTest::newRow("PLS playlist saved as .mpg")
        << "liste.mpg"
        << "[playlist]\nNumberOfEntries=1\nFile1=%1/c.mpg\n";
    QTest::newRow("mpv edit list saved as .avi") << "montage.avi"
                                                 << "# mpv EDL v0\n%1/d.avi\n";
    QTest::newRow("HLS playlist saved as .mpg")
        << "flux.mpg"
        << "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\n%1/e.ts\n"
           "#EXT-X-ENDLIST\n";
    QTest::newRow("concatenation script saved as .mov")
        << "suite.mov"
        << "ffconcat version 1.0\nfile '%1/f.avi'\n";
    QTest::newRow("DASH manifest saved as .avi")
        << "dash.avi"
        << "<?xml version=\"1.0\"?><MPD xmlns=\"urn:mpeg:dash:schema:mpd:2011\" type=\"static\" "
           "mediaPresentationDuration=\"PT1S\" minBufferTime=\"PT1S\"><Period><AdaptationSet "
           "mimeType=\"video/mp4\"><Representation id=\"1\" bandwidth=\"1000\"><BaseURL>%1/g.mp4"
           "</BaseURL></Representation></AdaptationSet></Period></MPD>\n";
    QTest::newRow("playlist naming a local file") << "autre.avi"
                                                  << "#EXTM3U\n%2\n";
    QTest::newRow("edit list naming a local file") << "autre2.avi"
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
    QCOMPARE(window.mode(), QStringLiteral("playing"));
    QVERIFY2(wraps >= 2, qPrintable(QString::number(wraps)));
}

KV_TEST_MAIN(TestMediaReferences)
#include "tst_mediareferences.moc"
