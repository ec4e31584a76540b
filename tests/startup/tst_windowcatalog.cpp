#include "TestMain.h"
#include "WindowHarness.h"

#include "startup/WindowCatalog.h"

#include <QWidget>

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

    void unknownNameLoadsNothing()
    {
        kvtest::WindowHarness h;
        QVERIFY(!WindowCatalog::load(QStringLiteral("FenInconnue"), h.context));
    }
};

KV_TEST_MAIN(WindowCatalogTest)
#include "tst_windowcatalog.moc"
