#include "TestMain.h"
#include "WindowHarness.h"

#include "startup/WindowCatalog.h"

#include <QWidget>
#include <QWindow>

// Every window loads with the fakes: a control name the code relies on that the layout lacks
// stops the load, so this is where a renamed control shows.
class WindowCatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowLoads_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : WindowCatalog::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyWindowLoads()
    {
        QFETCH(QString, name);
        kvtest::WindowHarness h;
        h.tipsAtStart(false);
        QWidget *window = WindowCatalog::load(name, h.context);
        QVERIFY(window);
        QCOMPARE(window->objectName(), name);
    }

    // Alt+F4, the taskbar's Fermer or the session ending: each window goes the way of its own
    // close or cancel button, and the main window's ends the program.
    void desktopCloseIsTheWindowsOwnClose_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"FenPrin", "Conseils", "Apropos", "FenColors", "FenMCI", "FenMultivu"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }

    void desktopCloseIsTheWindowsOwnClose()
    {
        QFETCH(QString, name);
        kvtest::WindowHarness h;
        h.tipsAtStart(false);
        h.fakes.windows->windows.insert(QStringLiteral("Kinovue ST - Animations FLC et FLI"), 77);
        bool ended = false;
        h.windows.onEmpty = [&ended] {
            ended = true;
        };
        QWidget *main = WindowCatalog::load(QStringLiteral("FenPrin"), h.context);
        QWidget *window
            = name == QStringLiteral("FenPrin") ? main : WindowCatalog::load(name, h.context);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->windowHandle()->close();
        kvtest::WindowHarness::settle();
        const bool wholeProgram = window == main;
        QVERIFY(!h.windows.find(name));
        QCOMPARE(h.windows.count(), wholeProgram ? 0 : 1);
        QCOMPARE(ended, wholeProgram);
        QCOMPARE(h.fakes.windows->closeRequests.size(), wholeProgram ? 1 : 0);
    }

    void unknownNameLoadsNothing()
    {
        kvtest::WindowHarness h;
        QVERIFY(!WindowCatalog::load(QStringLiteral("FenInconnue"), h.context));
    }
};

KV_TEST_MAIN(WindowCatalogTest)
#include "tst_windowcatalog.moc"
