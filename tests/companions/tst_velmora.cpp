#include "FlicWriter.h"
#include "TestMain.h"
#include "platform/desktop/XcbWindowServices.h"

#include <QProcess>
#include <QTemporaryDir>

// velmora.dll as the main program meets it on the desktop: a top-level window under the exact
// title the main program looks up and asks to close when it ends, and which then ends.
class VelmoraTest : public QObject
{
    Q_OBJECT

private slots:
    void titleIsFoundAndCloseRequestEndsIt_data()
    {
        QTest::addColumn<bool>("withFile");
        QTest::newRow("started with no file") << false;
        QTest::newRow("playing a file given to it") << true;
    }
    void titleIsFoundAndCloseRequestEndsIt()
    {
        QFETCH(bool, withFile);
        QTemporaryDir home;
        QStringList arguments;
        if (withFile) {
            FlicWriter writer(FlicWriter::Format::Flc, 32, 16, 40);
            for (int i = 0; i < 10; ++i)
                writer.addFrame({FlicWriter::byteRun(FlicPicture::pattern(32, 16, i))});
            QVERIFY(writer.save(home.filePath(QStringLiteral("anim.flc"))));
            arguments << home.filePath(QStringLiteral("anim.flc"));
        }
        QProcess velmora;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("HOME"), home.path()); // the user's settings stay out
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        velmora.setProcessEnvironment(environment);
        velmora.start(QStringLiteral(KV_PROGRAM_DIR "/velmora.dll"), arguments);
        QVERIFY(velmora.waitForStarted());

        XcbWindowServices windows;
        QVERIFY(windows.connected());
        WindowServices::WindowId window = 0;
        QTRY_VERIFY_WITH_TIMEOUT(
            (window = windows.findTopLevel(QStringLiteral("Kinovue ST - Animations FLC et FLI"))),
            10000);
        QCOMPARE(velmora.state(), QProcess::Running);

        windows.requestClose(window);
        QVERIFY2(velmora.waitForFinished(5000), "the close request was not obeyed");
        QCOMPARE(velmora.exitStatus(), QProcess::NormalExit);
        QCOMPARE(velmora.exitCode(), 0);
        QVERIFY(!windows.exists(window));
    }
};

KV_TEST_MAIN_XSERVER(VelmoraTest)
#include "tst_velmora.moc"
