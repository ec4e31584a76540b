#include "TestMain.h"

#include "core/Colour.h"

class TestColour : public QObject
{
    Q_OBJECT

private slots:
    void storedTextIsRead_data();
    void storedTextIsRead();
    void unreadableTextGivesNothing_data();
    void unreadableTextGivesNothing();
    void redIsTheLowByte();
    void writtenFormIsDecimal();
};

void TestColour::storedTextIsRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("hex default") << "&H808000" << quint32(0x808000);
    QTest::newRow("decimal of the same") << "8421376" << quint32(0x808000);
    QTest::newRow("visualisation default") << "&HD2D200" << quint32(13816320);
    QTest::newRow("lower-case hex") << "&hdeff6c" << quint32(0xDEFF6C);
    QTest::newRow("trailing ampersand") << "&HE0E0E0&" << quint32(0xE0E0E0);
    QTest::newRow("black") << "0" << quint32(0);
    QTest::newRow("spaces around") << "  16777215 " << quint32(0xFFFFFF);
    QTest::newRow("white in hex") << "&HFFFFFF" << quint32(0xFFFFFF);
    QTest::newRow("leading zeros") << "&H0000FF" << quint32(0xFF);
}

void TestColour::storedTextIsRead()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    const std::optional<quint32> parsed = Colour::parse(text);
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
}

void TestColour::unreadableTextGivesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("word") << "rouge";
    QTest::newRow("hex without digits") << "&H";
    QTest::newRow("bad hex digit") << "&H80800G";
    QTest::newRow("negative") << "-1";
    QTest::newRow("decimal point") << "12.5";
    QTest::newRow("too long") << "123456789012345";
    QTest::newRow("one past white, decimal") << "16777216";
    QTest::newRow("one past white, hex") << "&H1000000";
    QTest::newRow("32-bit all ones") << "&HFFFFFFFF";
    QTest::newRow("sign after the prefix") << "&H+FF";
    QTest::newRow("blank after the prefix") << "&H 1F";
    QTest::newRow("C prefix after the prefix") << "&H0x1F";
    QTest::newRow("plus sign") << "+255";
    QTest::newRow("ampersand inside") << "&H80&80";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662");
}

void TestColour::unreadableTextGivesNothing()
{
    QFETCH(QString, text);
    QCOMPARE(Colour::parse(text), std::nullopt);
}

void TestColour::redIsTheLowByte()
{
    const QColor colour = Colour::toQColor(0xDEFF6C);
    QCOMPARE(colour, QColor(0x6C, 0xFF, 0xDE));
    QCOMPARE(Colour::fromQColor(QColor(0x6C, 0xFF, 0xDE)), quint32(0xDEFF6C));
    QCOMPARE(Colour::bgr(255, 0, 0), quint32(0x0000FF));
}

void TestColour::writtenFormIsDecimal()
{
    QCOMPARE(Colour::toText(0x808000), QStringLiteral("8421376"));
    QCOMPARE(Colour::parse(Colour::toText(13816320)), std::optional<quint32>(13816320));
}

KV_TEST_MAIN(TestColour)
#include "tst_colour.moc"
