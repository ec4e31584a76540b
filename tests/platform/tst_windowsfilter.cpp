#include "TestMain.h"

#include "platform/desktop/WindowsFilter.h"

class TestWindowsFilter : public QObject
{
    Q_OBJECT

private slots:
    void convertsToQtFilters_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("animations and every file")
            << "Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*"
            << QStringList{"Animations AVI (MPG, MOV) (*.avi *.mpg *.mov)",
                           "Tous les fichiers (*)"};
        QTest::newRow("one pair") << "Sons MID, RMI et WAV|*.mid;*.rmi;*.wav"
                                  << QStringList{"Sons MID, RMI et WAV (*.mid *.rmi *.wav)"};
        QTest::newRow("short form")
            << "Desc|*.avi;*.mpg|Tous|*.*" << QStringList{"Desc (*.avi *.mpg)", "Tous (*)"};
        QTest::newRow("description names its own patterns")
            << "Animations FLC et FLI (*.flc;*.fli)|*.flc;*.fli"
            << QStringList{"Animations FLC et FLI (*.flc *.fli)"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("trailing description without patterns is dropped")
            << "Sons|*.wav|Orphelin" << QStringList{"Sons (*.wav)"};
        QTest::newRow("empty pattern means every file") << "Tout|" << QStringList{"Tout (*)"};
        QTest::newRow("blanks around patterns")
            << "Sons| *.wav ; *.aif " << QStringList{"Sons (*.wav *.aif)"};
        QTest::newRow("empty description shows the patterns")
            << "|*.txt" << QStringList{"*.txt (*.txt)"};
        QTest::newRow("trailing bar") << "Sons|*.wav|" << QStringList{"Sons (*.wav)"};
    }

    void convertsToQtFilters()
    {
        QFETCH(QString, windows);
        QFETCH(QStringList, qt);
        QCOMPARE(qtFiltersFromWindows(windows), qt);
    }
};

KV_TEST_MAIN(TestWindowsFilter)
#include "tst_windowsfilter.moc"
