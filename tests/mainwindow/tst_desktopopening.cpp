#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/files/FileList.h"
#include "mainwindow/DesktopOpening.h"
#include "mainwindow/FenPrin.h"
#include "player/Slideshow.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

using kvtest::WindowHarness;

// Files dropped on the main window, or sent by a later start, open as if chosen in it.
class DesktopOpeningTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;

    QString path(const QString &name) const
    {
        return name == QStringLiteral(".") ? h->folder.path() : h->folder.filePath(name);
    }
    bool shown(const char *name) const { return !w->control(QString::fromUtf8(name))->isHidden(); }
    // A drag from a file manager: enter, then drop; whether the window took it.
    bool drop(const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(w, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(w, &dropped);
        WindowHarness::settle();
        return dropped.isAccepted();
    }
    QString shortName(const MediaWindow &media) const
    {
        return media.fileName().isEmpty() ? QString() : QFileInfo(media.fileName()).fileName();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        for (const char *name : {"A.avi", "B.avi", "C.avi", "F.flc"})
            h->addMedia(QString::fromUtf8(name), FakeMedia{4000, 40, QSize(160, 120)});
        h->addMedia(QStringLiteral("S.wav"), FakeMedia{3000, 0, QSize()});
        // On disk, yet no engine opens it: a corrupt file.
        QFile broken(path(QStringLiteral("Z.avi")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        w = h->mainWindow();
    }

    void dropped_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("animation"); // file of MCIWnd1, "" for none
        QTest::addColumn<QString>("animationMode");
        QTest::addColumn<QString>("sound");  // file of MCIWnd2
        QTest::addColumn<bool>("slideshow"); // the slideshow's stop button shows
        QTest::addColumn<bool>("list");      // the file list panel is open (ModeListe)
        QTest::addColumn<QStringList>("refused");

        QTest::newRow("one animation plays") << QStringList{"A.avi"} << "A.avi"
                                             << "playing"
                                             << "" << false << false << QStringList{};
        QTest::newRow("a sound loads and plays") << QStringList{"S.wav"} << ""
                                                 << "not ready"
                                                 << "S.wav" << false << false << QStringList{};
        QTest::newRow("FLC through the file list") << QStringList{"F.flc"} << "F.flc"
                                                   << "playing"
                                                   << "" << false << true << QStringList{};
        QTest::newRow("a folder: its slideshow, from its first animation")
            << QStringList{"."} << "A.avi"
            << "playing"
            << "" << true << false << QStringList{};
        QTest::newRow("animation and sound together") << QStringList{"S.wav", "B.avi"} << "B.avi"
                                                      << "playing"
                                                      << "S.wav" << false << false << QStringList{};
        QTest::newRow("animations win the window over FLC and folder")
            << QStringList{"F.flc", "B.avi", "."} << "B.avi"
            << "playing"
            << "" << false << false << QStringList{"F.flc", "n'est pas ouvert"};
        QTest::newRow("missing and unknown files are named, the rest opens")
            << QStringList{"absent.avi", "C.avi"} << "C.avi"
            << "playing"
            << "" << false << false << QStringList{"absent.avi", "introuvable"};
        QTest::newRow("an unreadable animation: shown as the dialog would, and named")
            << QStringList{"Z.avi"} << ""
            << "not ready"
            << "" << false << false << QStringList{"Z.avi", "ne peut pas être lu"};
    }

    void dropped()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, animation);
        QFETCH(QString, animationMode);
        QFETCH(QString, sound);
        QFETCH(bool, slideshow);
        QFETCH(bool, list);
        QFETCH(QStringList, refused);
        QSignalSpy refusals(&w->desktopOpening(), &DesktopOpening::refused);
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << QUrl::fromLocalFile(path(name));
        QVERIFY(drop(urls));
        QCOMPARE(shortName(w->mciWnd1()), animation);
        QCOMPARE(w->mciWnd1().mode(), animationMode);
        QCOMPARE(shortName(w->mciWnd2()), sound);
        if (!sound.isEmpty())
            QCOMPARE(w->mciWnd2().mode(), QStringLiteral("playing"));
        QCOMPARE(shown("CmdSeqSTOP"), slideshow);
        QCOMPARE(w->state().ModeListe, list);
        QCOMPARE(shown("PSeqAVI"), list);
        // As after the dialog, the media window shows even when the file did not open.
        if (names.contains(QStringLiteral("Z.avi")))
            QVERIFY(shown("MCIWnd1"));
        const QString messages = [&] {
            QStringList all;
            for (const QList<QVariant> &call : std::as_const(refusals))
                all << call.first().toString();
            return all.join(QLatin1Char('\n'));
        }();
        QCOMPARE(messages.isEmpty(), refused.isEmpty());
        for (const QString &part : std::as_const(refused))
            QVERIFY2(messages.contains(part), qPrintable(messages));
        QVERIFY(!messages.contains(QLatin1Char('\n')) || refusals.size() > 1);
    }

    void onlyLocalFilesAreTaken()
    {
        QVERIFY(!drop({QUrl(QStringLiteral("https://example.org/A.avi"))}));
        QVERIFY(drop({QUrl(QStringLiteral("https://example.org/B.avi")),
                      QUrl::fromLocalFile(path(QStringLiteral("A.avi")))}));
        QCOMPARE(shortName(w->mciWnd1()), QStringLiteral("A.avi"));
    }

    // Two animations of the folder A, B, C, Z: the first dropped plays, then the selection's
    // order (B and Z are passed over, one tick each).
    void severalAnimationsPlayAsSelectionSlideshow()
    {
        QVERIFY(drop({QUrl::fromLocalFile(path(QStringLiteral("C.avi"))),
                      QUrl::fromLocalFile(path(QStringLiteral("A.avi")))}));
        QVERIFY(shown("CmdSeqSTOP"));
        QCOMPARE(shortName(w->mciWnd1()), QStringLiteral("C.avi"));
        const FileList &list = *w->get<FileList>(QStringLiteral("Fichier1"));
        QCOMPARE(list.path(), h->folder.path());
        QVERIFY(list.selected(0) && !list.selected(1) && list.selected(2));
        w->state().IndexSeq = 0;
        QStringList played;
        for (int tick = 0; tick < 4; ++tick) {
            w->slideshow().tick();
            played << shortName(w->mciWnd1());
        }
        QCOMPARE(played, (QStringList{"C.avi", "C.avi", "C.avi", "A.avi"}));
    }

    void dropDuringSlideshowEndsIt()
    {
        QVERIFY(drop({QUrl::fromLocalFile(h->folder.path())}));
        QVERIFY(shown("CmdSeqSTOP"));
        QVERIFY(drop({QUrl::fromLocalFile(path(QStringLiteral("B.avi")))}));
        QVERIFY(!shown("CmdSeqSTOP"));
        QVERIFY(w->state().ModeNormal);
        QCOMPARE(shortName(w->mciWnd1()), QStringLiteral("B.avi"));
        QCOMPARE(w->mciWnd1().mode(), QStringLiteral("playing"));
    }

    void laterStartNeedsWholeNames()
    {
        QSignalSpy refusals(&w->desktopOpening(), &DesktopOpening::refused);
        w->desktopOpening().openFromLaterStart({QStringLiteral("A.avi"), path("B.avi")});
        WindowHarness::settle();
        QCOMPARE(refusals.size(), 1);
        QCOMPARE(shortName(w->mciWnd1()), QStringLiteral("B.avi"));
    }
};

KV_TEST_MAIN(DesktopOpeningTest)
#include "tst_desktopopening.moc"
