#include "TestMain.h"

#include "controls/ControlTreeDump.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/Line.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Twips.h"

#include <QJsonObject>

namespace {

QList<ControlSpec> settingsTable()
{
    using K = ControlKind;
    return {
        layoutRow("FondRéglages2", K::Panel, 0, 2820, 1755, 2220).hidden(),
        layoutRow("VSVit", K::VScrollBar, 270, 570, 495, 1335).in("FondRéglages2"),
        layoutRow("VitText", K::Panel, 240, 60, 555, 375).in("FondRéglages2").titled("100"),
        strip("Forme5", 0, 315, 8460, 315),
        layoutRow("CmdOKZoom", K::Button, 120, 1710, 495, 480)
            .in("FondRéglages2")
            .hinted(QStringLiteral("Prend en compte les réglages"))
            .showing(Pictogram::Ok),
        layoutRow("LblChangerCoul", K::Label, 1740, 420, 1320, 240).titled("[COULEURS]"),
        layoutRow("Line1", K::Line, 300, 600, 2835, 0),
        layoutRow("VSZoom", K::HScrollBar, 330, 1290, 795, 315),
    };
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void isABorderlessWindowNamedByDesign()
    {
        Form form(QStringLiteral("FenPrin"));
        QCOMPARE(form.objectName(), QStringLiteral("FenPrin"));
        QVERIFY(form.isWindow());
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        form.setBackColor(0x808000);
        QCOMPARE(form.backColor(), quint32(0x808000));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0, 0x80, 0x80));
    }
    void buildMakesEachKindOfControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("className");
        QTest::newRow("panel") << "FondRéglages2" << QByteArray("ZarnPanel");
        QTest::newRow("vertical bar") << "VSVit" << QByteArray("ScrollBar");
        QTest::newRow("button") << "Forme5" << QByteArray("ZarnBttn");
        QTest::newRow("label") << "LblChangerCoul" << QByteArray("Label");
        QTest::newRow("line") << "Line1" << QByteArray("Line");
        QTest::newRow("horizontal bar") << "VSZoom" << QByteArray("ScrollBar");
    }
    void buildMakesEachKindOfControl()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, className);
        Form form(QStringLiteral("FenPrin"));
        form.build(settingsTable());
        QWidget *control = form.control(name);
        QVERIFY(control);
        QCOMPARE(QByteArray(control->metaObject()->className()), className);
        QCOMPARE(control->objectName(), name);
    }

    void controlsSitInTheirContainersInTwips()
    {
        Form form(QStringLiteral("FenPrin"));
        form.build(settingsTable());
        ZarnPanel *panel = form.panel(QStringLiteral("FondRéglages2"));
        QVERIFY(panel);
        QCOMPARE(form.control(QStringLiteral("VSVit"))->parentWidget(), panel);
        QCOMPARE(form.control(QStringLiteral("Forme5"))->parentWidget(), &form);
        QCOMPARE(Twips::rect(form.control(QStringLiteral("VSVit"))), QRectF(270, 570, 495, 1335));
        QCOMPARE(form.control(QStringLiteral("VSVit"))->geometry(), QRect(18, 38, 33, 89));
        QCOMPARE(form.get<ScrollBar>(QStringLiteral("VSVit"))->orientation(), Qt::Vertical);
        QCOMPARE(form.get<ScrollBar>(QStringLiteral("VSZoom"))->orientation(), Qt::Horizontal);
        // A line of no thickness is still one pixel high.
        QCOMPARE(form.control(QStringLiteral("Line1"))->height(), 1);
        QCOMPARE(form.get<Line>(QStringLiteral("Line1"))->orientation(), Qt::Horizontal);
    }

    void flagsCaptionHintAndPictureAreApplied()
    {
        Form form(QStringLiteral("FenPrin"));
        form.build(settingsTable());
        QVERIFY(form.control(QStringLiteral("FondRéglages2"))->isHidden());
        QVERIFY(!form.control(QStringLiteral("Forme5"))->isHidden());
        QVERIFY(!form.button(QStringLiteral("Forme5"))->isEnabled());
        QCOMPARE(form.panel(QStringLiteral("VitText"))->caption(), QStringLiteral("100"));
        QCOMPARE(form.get<Label>(QStringLiteral("LblChangerCoul"))->text(),
                 QStringLiteral("[COULEURS]"));
        ZarnBttn *ok = form.button(QStringLiteral("CmdOKZoom"));
        QCOMPARE(ok->picture(), Pictogram::Ok);
        QCOMPARE(Form::hint(ok), QStringLiteral("Prend en compte les réglages"));
        // The hint is stored for the hint mechanism, which sets the tool-tip on a move.
        QVERIFY(ok->toolTip().isEmpty());
        QCOMPARE(Form::hint(form.control(QStringLiteral("Forme5"))), QString());
    }

    void unknownNamesGiveNothing()
    {
        Form form(QStringLiteral("FenPrin"));
        form.build(settingsTable());
        QCOMPARE(form.control(QStringLiteral("CmdNulle")), nullptr);
        QCOMPARE(form.button(QStringLiteral("CmdNulle")), nullptr);
        // A name of the wrong kind is no button either.
        QCOMPARE(form.button(QStringLiteral("FondRéglages2")), nullptr);
        QCOMPARE(form.panel(QStringLiteral("Forme5")), nullptr);
        QCOMPARE(Form::hint(nullptr), QString());
        Form::setHint(nullptr, QStringLiteral("sans effet"));
        QCOMPARE(form.add(nullptr, QStringLiteral("Rien"), {}, QRectF()), nullptr);
    }

    void missingContainerFallsBackToTheWindow()
    {
        Form form(QStringLiteral("FenMCI"));
        form.build({layoutRow("CmdOK", ControlKind::Button, 5220, 60, 480, 480).in("Absent")});
        QWidget *ok = form.control(QStringLiteral("CmdOK"));
        QVERIFY(ok);
        QCOMPARE(ok->parentWidget(), &form);
    }

    void addAdoptsAControlMadeElsewhere()
    {
        Form form(QStringLiteral("FenPrin"));
        form.build(settingsTable());
        auto *pane = new QWidget;
        pane->hide();
        QCOMPARE(form.add(pane, QStringLiteral("MCIWnd1"), QStringLiteral("FondRéglages2"),
                          QRectF(2580, 3795, 4395.5, 300)),
                 pane);
        QCOMPARE(pane->parentWidget(), form.control(QStringLiteral("FondRéglages2")));
        QCOMPARE(form.control(QStringLiteral("MCIWnd1")), pane);
        QCOMPARE(Twips::width(pane), 4395.5);
        QVERIFY(pane->isHidden());
        QCOMPARE(form.controls().size(), settingsTable().size() + 1);
        QCOMPARE(form.controls().last(), pane);
        QCOMPARE(form.controls().first()->objectName(), QStringLiteral("FondRéglages2"));
    }

    void windowSizeInTwips()
    {
        Form form(QStringLiteral("FenPrin"));
        form.setTwipsSize(8460, 5670);
        QCOMPARE(form.size(), QSize(564, 378));
        QCOMPARE(form.twipsWidth(), 8460.0);
        form.setTwipsSize(6955, 5250.5);
        QCOMPARE(form.twipsWidth(), 6955.0);
        QCOMPARE(form.twipsHeight(), 5250.5);
    }

    void dumpListsWindowThenControlsInBuildOrder()
    {
        Form form(QStringLiteral("FenPrin"));
        form.build(settingsTable());
        auto *pane = new QWidget;
        form.add(pane, QStringLiteral("MCIWnd1"), {}, QRectF(2580, 3795, 4395, 300));
        const QJsonArray tree = dumpControlTree(form);
        QStringList names;
        for (const QJsonValue &entry : tree)
            names << entry.toObject().value(QStringLiteral("name")).toString();
        QCOMPARE(names, (QStringList{"FenPrin", "FondRéglages2", "VSVit", "VitText", "Forme5",
                                     "CmdOKZoom", "LblChangerCoul", "Line1", "VSZoom", "MCIWnd1"}));
        QCOMPARE(tree.at(0).toObject().value(QStringLiteral("container")).toString(), QString());
        QCOMPARE(tree.at(2).toObject().value(QStringLiteral("container")).toString(),
                 QStringLiteral("FondRéglages2"));
        QCOMPARE(tree.at(4).toObject().value(QStringLiteral("container")).toString(),
                 QStringLiteral("FenPrin"));
        QCOMPARE(tree.at(9).toObject().value(QStringLiteral("class")).toString(),
                 QStringLiteral("QWidget"));
    }

    void dumpCarriesGeometryFlagsAndColours()
    {
        Form form(QStringLiteral("FenPrin"));
        form.setTwipsSize(8460, 5670);
        form.setBackColor(0x808000);
        form.build(settingsTable());
        form.button(QStringLiteral("CmdOKZoom"))->setHighlightColor(0xDEFF6C);
        form.panel(QStringLiteral("VitText"))->setBorderStyle(2);
        const QJsonArray tree = dumpControlTree(form);
        QHash<QString, QJsonObject> byName;
        for (const QJsonValue &entry : tree)
            byName.insert(entry.toObject().value(QStringLiteral("name")).toString(),
                          entry.toObject());

        const QJsonObject window = byName.value(QStringLiteral("FenPrin"));
        QCOMPARE(window.value(QStringLiteral("class")).toString(), QStringLiteral("Form"));
        QCOMPARE(window.value(QStringLiteral("width")).toDouble(), 8460.0);
        QCOMPARE(window.value(QStringLiteral("height")).toDouble(), 5670.0);
        QCOMPARE(window.value(QStringLiteral("backcolor")).toInteger(), 0x808000);

        const QJsonObject ok = byName.value(QStringLiteral("CmdOKZoom"));
        QCOMPARE(ok.value(QStringLiteral("left")).toDouble(), 120.0);
        QCOMPARE(ok.value(QStringLiteral("top")).toDouble(), 1710.0);
        QCOMPARE(ok.value(QStringLiteral("width")).toDouble(), 495.0);
        QCOMPARE(ok.value(QStringLiteral("height")).toDouble(), 480.0);
        QCOMPARE(ok.value(QStringLiteral("tooltip")).toString(),
                 QStringLiteral("Prend en compte les réglages"));
        QCOMPARE(ok.value(QStringLiteral("highlightcolor")).toInteger(), 0xDEFF6C);
        QVERIFY(ok.contains(QStringLiteral("gradientcolorstart")));
        QVERIFY(!ok.contains(QStringLiteral("backcolor")));
        // The button lies in a hidden panel, yet its own flag says visible.
        QCOMPARE(ok.value(QStringLiteral("visible")).toBool(), true);

        const QJsonObject hiddenPanel = byName.value(QStringLiteral("FondRéglages2"));
        QCOMPARE(hiddenPanel.value(QStringLiteral("visible")).toBool(), false);
        const QJsonObject band = byName.value(QStringLiteral("Forme5"));
        QCOMPARE(band.value(QStringLiteral("enabled")).toBool(), false);
        const QJsonObject display = byName.value(QStringLiteral("VitText"));
        QCOMPARE(display.value(QStringLiteral("caption")).toString(), QStringLiteral("100"));
        QCOMPARE(display.value(QStringLiteral("borderstyle")).toInteger(), 2);
        QVERIFY(display.contains(QStringLiteral("backcolor")));
        QCOMPARE(byName.value(QStringLiteral("LblChangerCoul")).value(QStringLiteral("caption")),
                 QJsonValue(QStringLiteral("[COULEURS]")));
        QVERIFY(byName.value(QStringLiteral("Line1")).contains(QStringLiteral("forecolor")));
    }
};

KV_TEST_MAIN(TestForm)
#include "tst_form.moc"
