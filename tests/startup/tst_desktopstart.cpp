#include "TestMain.h"
#include "WindowHarness.h"

#include "startup/Startup.h"

using kvtest::WindowHarness;

Q_DECLARE_METATYPE(MessageAnswer)

// The start with files: the question, the hand-over to a running copy, the opening once the
// main window is up.
class StartupTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString clip;

    FenPrin *mainWindow() const
    {
        return qobject_cast<FenPrin *>(h->windows.find(QStringLiteral("FenPrin")));
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        h->tipsAtStart(false);
        clip = h->addMedia(QStringLiteral("clip.avi"), FakeMedia{4000, 40, QSize(160, 120)});
    }
    void cleanup() { h.reset(); }

    void secondStart_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("taken");    // the running copy received the files
        QTest::addColumn<bool>("withFile"); // a file on the command line
        QTest::addColumn<bool>("runs");     // this start goes on to its own window
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("handed");
        QTest::newRow("non: the file goes to the running copy")
            << MessageAnswer::No << true << true << false << 0 << 1;
        QTest::newRow("non, and nobody took it")
            << MessageAnswer::No << false << true << false << 1 << 1;
        QTest::newRow("non without files") << MessageAnswer::No << true << false << false << 0 << 0;
        QTest::newRow("oui: a second copy opens it itself")
            << MessageAnswer::Yes << true << true << true << 0 << 0;
    }

    void secondStart()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, taken);
        QFETCH(bool, withFile);
        QFETCH(bool, runs);
        QFETCH(int, status);
        QFETCH(int, handed);
        h->fakes.instances->running = true;
        h->fakes.messages->answers.enqueue(answer);
        h->fakes.handover->taken = taken;
        Startup startup(h->context,
                        withFile ? GivenFile::of(QStringList{clip}) : QList<GivenFile>{});
        QCOMPARE(startup.begin(), runs);
        QCOMPARE(h->fakes.messages->asked.size(), 1);
        QCOMPARE(startup.exitStatus(), status);
        QCOMPARE(h->fakes.handover->handed.size(), handed);
        if (handed)
            QCOMPARE(h->fakes.handover->handed.first(), QStringList{clip});
        QCOMPARE(h->fakes.handover->listening, runs);
        if (runs) {
            QTRY_VERIFY(mainWindow());
            QTRY_COMPARE(mainWindow()->mciWnd1().fileName(), clip);
        } else {
            QVERIFY(h->windows.find(QStringLiteral("Demarre2")) == nullptr);
        }
    }

    // Files sent by a later start before the main window is up wait for it; once it is up,
    // they open at once.
    void laterStartsWaitForTheMainWindow()
    {
        const QString other
            = h->addMedia(QStringLiteral("autre.avi"), FakeMedia{2000, 20, QSize(160, 120)});
        Startup startup(h->context, {});
        QVERIFY(startup.begin());
        h->fakes.handover->deliver({clip});
        QVERIFY(!mainWindow());
        QTRY_VERIFY(mainWindow());
        QTRY_COMPARE(mainWindow()->mciWnd1().fileName(), clip);
        h->fakes.handover->deliver({other});
        QCOMPARE(mainWindow()->mciWnd1().fileName(), other);
    }
};

KV_TEST_MAIN(StartupTest)
#include "tst_desktopstart.moc"
