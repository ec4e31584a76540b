#include "TestMain.h"

#include "platform/desktop/DesktopFileOperations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

// Stops a copy at its third block, as a user pressing Annuler would.
struct StopAtThirdBlock : CopyProgress
{
    int left = 3;
    bool advance(qint64, qint64) override { return --left > 0; }
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
}

} // namespace

class FileOperationsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString file(const QString &name) const { return m_root.filePath("files/" + name); }
    QStringList leftInFolder() const
    {
        return QDir(file({})).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QString trash() const { return m_root.filePath(QStringLiteral("home/.qttest/share/Trash")); }

private slots:
    void initTestCase()
    {
        // The desktop's trash follows the home folder; the test keeps it in its own folder.
        QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("home")));
        qputenv("HOME", QFile::encodeName(m_root.filePath(QStringLiteral("home"))));
    }

    void init()
    {
        QDir(file({})).removeRecursively();
        QVERIFY(QDir().mkpath(file({})));
        QDir(trash()).removeRecursively();
        QFile::remove(trash());
    }

    void copyReplacesTheDestinationOnlyWhenComplete_data()
    {
        QTest::addColumn<QString>("destination"); // how it is named and what stands there
        QTest::addColumn<int>("oldSize");         // -1: nothing there before
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("outcome");
        const int copied = int(CopyOutcome::Copied), same = int(CopyOutcome::SameFile);
        const int failed = int(CopyOutcome::Failed);
        QTest::newRow("new file") << "copie.wav" << -1 << false << copied;
        QTest::newRow("longer file replaced") << "copie.wav" << 300000 << false << copied;
        QTest::newRow("same path") << "son.wav" << -1 << false << same;
        QTest::newRow("symbolic link") << "symlink" << -1 << false << same;
        QTest::newRow("hard link") << "hardlink" << -1 << false << same;
        QTest::newRow("stopped over a file")
            << "copie.wav" << 1000 << true << int(CopyOutcome::Cancelled);
        QTest::newRow("stopped, new file")
            << "copie.wav" << -1 << true << int(CopyOutcome::Cancelled);
        QTest::newRow("missing folder") << "absent/copie.wav" << -1 << false << failed;
        QTest::newRow("a folder stands there") << "folder" << -1 << false << failed;
        QTest::newRow("source gone")
            << "copie.wav" << 1000 << false << int(CopyOutcome::SourceMissing);
    }
    void copyReplacesTheDestinationOnlyWhenComplete()
    {
        QFETCH(QString, destination);
        QFETCH(int, oldSize);
        QFETCH(bool, stop);
        QFETCH(int, outcome);
        const QByteArray data(200000, 'a');
        if (outcome != int(CopyOutcome::SourceMissing))
            write(file("son.wav"), data);
        QString target = file(destination);
        if (destination == "symlink")
            QVERIFY(QFile::link(file("son.wav"), target));
        if (destination == "hardlink")
            QCOMPARE(::link(QFile::encodeName(file("son.wav")), QFile::encodeName(target)), 0);
        if (destination == "folder")
            QVERIFY(QDir().mkpath(target));
        const QByteArray old = oldSize < 0 ? contentOf(target) : QByteArray(oldSize, 'z');
        if (oldSize >= 0)
            write(target, old);
        QStringList expected = leftInFolder();
        if (outcome == int(CopyOutcome::Copied) && oldSize < 0)
            expected = QStringList{"copie.wav", "son.wav"};

        DesktopFileOperations files(
            [stop](const QString &, qint64) -> std::unique_ptr<CopyProgress> {
                return stop ? std::make_unique<StopAtThirdBlock>() : nullptr;
            },
            4096);
        const CopyResult result = files.copy(file("son.wav"), target);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(contentOf(target), outcome == int(CopyOutcome::Copied) ? data : old);
        QCOMPARE(leftInFolder(), expected);
        if (outcome == int(CopyOutcome::Failed))
            QVERIFY2(result.message.contains("n'a pas pu être copié"), qPrintable(result.message));
    }

    void trashTakesTheFileOrLeavesIt_data()
    {
        QTest::addColumn<bool>("trashUsable");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<int>("outcome");
        QTest::newRow("trashed") << true << true << int(TrashOutcome::Trashed);
        QTest::newRow("no trash can be made") << false << true << int(TrashOutcome::Refused);
        QTest::newRow("file gone") << true << false << int(TrashOutcome::Missing);
    }
    void trashTakesTheFileOrLeavesIt()
    {
        QFETCH(bool, trashUsable);
        QFETCH(bool, fileThere);
        QFETCH(int, outcome);
        const QString path = file("vieux.wav");
        if (fileThere) {
            write(path, "RIFF");
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        }
        if (!trashUsable) {
            // A plain file stands where the trash folder would go.
            QVERIFY(QDir().mkpath(QFileInfo(trash()).path()));
            write(trash(), "pas un dossier");
        }
        DesktopFileOperations files;
        QCOMPARE(files.clearAttributes(path), fileThere);
        if (fileThere)
            QVERIFY(QFile::permissions(path) & QFileDevice::WriteOwner);
        const TrashResult result = files.moveToTrash(path);
        QCOMPARE(int(result.outcome), outcome);
        const bool trashed = result.outcome == TrashOutcome::Trashed;
        QCOMPARE(contentOf(path), QByteArray(fileThere && !trashed ? "RIFF" : "<missing>"));
        QCOMPARE(contentOf(trash() + "/files/vieux.wav"),
                 QByteArray(trashed ? "RIFF" : "<missing>"));
        if (result.outcome == TrashOutcome::Refused)
            QVERIFY2(result.message.contains("corbeille"), qPrintable(result.message));
    }
};

KV_TEST_MAIN(FileOperationsTest)
#include "tst_fileoperations.moc"
