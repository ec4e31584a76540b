#include "TestMain.h"

#include "media/MediaCommand.h"

class TestMediaCommand : public QObject
{
    Q_OBJECT

private slots:
    void acceptedCommands_data();
    void acceptedCommands();
    void refusedCommands_data();
    void refusedCommands();
};

using Kind = MediaCommand::Kind;
Q_DECLARE_METATYPE(MediaCommand::Kind)

void TestMediaCommand::acceptedCommands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<qint64>("from"); // -1: none
    QTest::addColumn<qint64>("to");   // -1: none
    QTest::addColumn<bool>("backward");

    QTest::newRow("play") << "play" << Kind::Play << false << false << -1LL << -1LL << false;
    QTest::newRow("play repeat") << "play repeat" << Kind::Play << true << false << -1LL << -1LL
                                 << false;
    QTest::newRow("play fullscreen")
        << "play fullscreen" << Kind::Play << false << true << -1LL << -1LL << false;
    QTest::newRow("play fullscreen repeat")
        << "play fullscreen repeat" << Kind::Play << true << true << -1LL << -1LL << false;
    QTest::newRow("options in either order")
        << "play repeat fullscreen" << Kind::Play << true << true << -1LL << -1LL << false;
    QTest::newRow("pause") << "pause" << Kind::Pause << false << false << -1LL << -1LL << false;
    QTest::newRow("stop") << "stop" << Kind::Stop << false << false << -1LL << -1LL << false;
    QTest::newRow("close") << "close" << Kind::Close << false << false << -1LL << -1LL << false;
    QTest::newRow("play from 0") << "play from 0" << Kind::Play << false << false << 0LL << -1LL
                                 << false;
    QTest::newRow("forward range")
        << "play from 10 to 250" << Kind::Play << false << false << 10LL << 250LL << false;
    QTest::newRow("backward to the start")
        << "play from 250 to 0" << Kind::Play << false << false << 250LL << 0LL << true;
    QTest::newRow("upper case") << "PLAY FROM 250 TO 0" << Kind::Play << false << false << 250LL
                                << 0LL << true;
    QTest::newRow("mixed case") << "Play Repeat" << Kind::Play << true << false << -1LL << -1LL
                                << false;
    QTest::newRow("extra blanks") << "  play   from  7   to 3 " << Kind::Play << false << false
                                  << 7LL << 3LL << true;
    QTest::newRow("tabs are blanks")
        << "play\tfrom\t5" << Kind::Play << false << false << 5LL << -1LL << false;
    QTest::newRow("largest 32-bit position")
        << "play from 2147483647" << Kind::Play << false << false << 2147483647LL << -1LL << false;
}

void TestMediaCommand::acceptedCommands()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QFETCH(bool, repeat);
    QFETCH(bool, fullScreen);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(bool, backward);

    const std::optional<MediaCommand> command = MediaCommand::parse(text);
    QVERIFY(command.has_value());
    QCOMPARE(command->kind, kind);
    QCOMPARE(command->repeat, repeat);
    QCOMPARE(command->fullScreen, fullScreen);
    QCOMPARE(command->from.value_or(-1), from);
    QCOMPARE(command->to.value_or(-1), to);
    QCOMPARE(command->isBackward(), backward);
}

void TestMediaCommand::refusedCommands_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("unknown verb") << "rewind";
    QTest::newRow("missing position between from and to") << "play from  to 0";
    QTest::newRow("not a number") << "play from x";
    QTest::newRow("from without a position") << "play from";
    QTest::newRow("to without a position") << "play from 5 to";
    QTest::newRow("negative position") << "play from -5";
    QTest::newRow("decimal position") << "play from 1.5";
    QTest::newRow("beyond 32 bits") << "play from 2147483648";
    QTest::newRow("to without from") << "play to 5";
    QTest::newRow("stop with an argument") << "stop now";
    QTest::newRow("pause with an option") << "pause repeat";
    QTest::newRow("repeated option") << "play repeat repeat";
    QTest::newRow("repeat with an end") << "play from 0 to 5 repeat";
    QTest::newRow("unknown option") << "play loud";
    QTest::newRow("words run together") << "playrepeat";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("play from \u0663");
}

void TestMediaCommand::refusedCommands()
{
    QFETCH(QString, text);
    QVERIFY(!MediaCommand::parse(text).has_value());
}

KV_TEST_MAIN(TestMediaCommand)
#include "tst_mediacommand.moc"
