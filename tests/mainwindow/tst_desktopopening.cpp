#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/files/FileList.h"
#include "mainwindow/DesktopOpening.h"
#include "player/Slideshow.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

using kvtest::WindowHarness;

// Files dropped on the main window open as if chosen in it.
class DesktopOpeningTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;

    bool shown(const char *name) const { return !w->control(QString::fromUtf8(name))->isHidden(); }
    static QString nameIn(const MediaWindow &media)
    {
        return QFileInfo(media.fileName()).fileName();
    }
    // A drag from a file manager, "." for the test folder; whether the window took it.
    bool drop(const QStringList &names, const QString &scheme = {})
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << (scheme.isEmpty() ? QUrl::fromLocalFile(h->folder.filePath(name))
                                      : QUrl(scheme + name));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(w, &enter);
        QDropEvent dropped(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(w, &dropped);
        WindowHarness::settle();
        return enter.isAccepted() && dropped.isAccepted();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        for (const char *name : {"A.avi", "B.avi", "C.avi", "F.flc"})
            h->addMedia(QString::fromUtf8(name), FakeMedia{4000, 40, QSize(160, 120)});
        h->addMedia(QStringLiteral("S.wav"), FakeMedia{3000, 0, QSize()});
        // On disk, but no engine opens it: a corrupt file.
        QVERIFY(QFile(h->folder.filePath(QStringLiteral("Z.avi"))).open(QIODevice::WriteOnly));
        w = h->mainWindow();
    }

    void dropped_data()
    {
        QTest::addColumn<QStringList>("before"); // dropped first
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("animation"); // playing in MCIWnd1
        QTest::addColumn<QString>("sound");     // playing in MCIWnd2
        QTest::addColumn<bool>("slideshow");
        QTest::addColumn<bool>("list"); // the file list panel, as "Liste des fichiers"
        QTest::addColumn<QString>("refused");
        const QStringList none;
        QTest::newRow("animation") << none << QStringList{"A.avi"} << "A.avi"
                                   << "" << false << false << "";
        QTest::newRow("sound") << none << QStringList{"S.wav"} << ""
                               << "S.wav" << false << false << "";
        QTest::newRow("FLC") << none << QStringList{"F.flc"} << "F.flc"
                             << "" << false << true << "";
        QTest::newRow("folder: slideshow from its first") << none << QStringList{"."} << "A.avi"
                                                          << "" << true << false << "";
        QTest::newRow("animation and sound") << none << QStringList{"S.wav", "B.avi"} << "B.avi"
                                             << "S.wav" << false << false << "";
        QTest::newRow("animations before FLC and folder")
            << none << QStringList{"F.flc", "B.avi"} << "B.avi"
            << "" << false << false << "F.flc » n'est pas ouvert";
        QTest::newRow("missing named, the rest opens")
            << none << QStringList{"absent.avi", "C.avi"} << "C.avi"
            << "" << false << false << "absent.avi » est introuvable";
        QTest::newRow("unreadable named") << none << QStringList{"Z.avi"} << ""
                                          << "" << false << false << "Z.avi » ne peut pas être lu";
        QTest::newRow("drop ends a slideshow")
            << QStringList{"."} << QStringList{"B.avi"} << "B.avi"
            << "" << false << false << "";
        QTest::newRow("drop closes the file list")
            << QStringList{"F.flc"} << QStringList{"B.avi"} << "B.avi"
            << "" << false << false << "";
    }

    void dropped()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, names);
        QFETCH(QString, animation);
        QFETCH(QString, sound);
        QFETCH(bool, slideshow);
        QFETCH(bool, list);
        QFETCH(QString, refused);
        if (!before.isEmpty())
            QVERIFY(drop(before));
        QSignalSpy refusals(&w->desktopOpening(), &DesktopOpening::refused);
        QVERIFY(drop(names));
        QCOMPARE(nameIn(w->mciWnd1()), animation);
        QCOMPARE(w->mciWnd1().mode() == MediaWindow::Mode::Playing, !animation.isEmpty());
        QCOMPARE(nameIn(w->mciWnd2()), sound);
        QCOMPARE(w->mciWnd2().mode() == MediaWindow::Mode::Playing, !sound.isEmpty());
        QCOMPARE(shown("CmdSeqSTOP"), slideshow);
        QCOMPARE(w->state().ModeNormal, !slideshow);
        QCOMPARE(shown("PSeqAVI"), list);
        // As after the dialog, the media window shows even when the file did not open.
        if (animation.isEmpty() && sound.isEmpty())
            QVERIFY(shown("MCIWnd1"));
        QCOMPARE(refusals.size(), refused.isEmpty() ? 0 : 1);
        if (!refused.isEmpty())
            QVERIFY2(refusals.first().first().toString().contains(refused),
                     qPrintable(refusals.first().first().toString()));
    }

    void webLinksAreNotTaken()
    {
        QVERIFY(!drop({"A.avi"}, QStringLiteral("https://example.org/")));
    }

    // C then A of the folder A, B, C, Z: C plays first, then the selection in list order
    // (B and Z are passed over, one tick each).
    void severalAnimationsPlayAsSelectionSlideshow()
    {
        QVERIFY(drop({QStringLiteral("C.avi"), QStringLiteral("A.avi")}));
        QVERIFY(shown("CmdSeqSTOP"));
        QCOMPARE(w->get<FileList>(QStringLiteral("Fichier1"))->path(), h->folder.path());
        QStringList played{nameIn(w->mciWnd1())};
        for (int tick = 0; tick < 4; ++tick) {
            w->slideshow().tick();
            played << nameIn(w->mciWnd1());
        }
        QCOMPARE(played, (QStringList{"C.avi", "C.avi", "C.avi", "C.avi", "A.avi"}));
    }
};

KV_TEST_MAIN(DesktopOpeningTest)
#include "tst_desktopopening.moc"
