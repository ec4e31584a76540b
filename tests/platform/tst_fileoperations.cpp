#include "TestMain.h"

#include "platform/desktop/DesktopFileOperations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Stops a copy after a number of blocks, as a user pressing Annuler would.
class StopAfter : public CopyProgress
{
public:
    explicit StopAfter(int blocks)
        : m_left(blocks)
    {}
    bool advance(qint64, qint64) override { return --m_left > 0; }

private:
    int m_left;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

QByteArray pattern(int size, char seed)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(seed + i * 7);
    return data;
}

} // namespace

class FileOperationsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_files;

    QString file(const QString &name) const { return QDir(m_files).filePath(name); }
    QStringList leftInFolder() const
    {
        return QDir(m_files).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QString trash() const { return m_root.filePath(QStringLiteral("home/.qttest/share/Trash")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        // The desktop's trash follows the home folder; the test keeps it in its own folder.
        QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("home")));
        qputenv("HOME", QFile::encodeName(m_root.filePath(QStringLiteral("home"))));
    }

    void init()
    {
        m_files = m_root.filePath(QStringLiteral("files"));
        QDir(m_files).removeRecursively();
        QVERIFY(QDir().mkpath(m_files));
        QDir(trash()).removeRecursively();
        QFile::remove(trash());
    }

    void copyWritesTheWholeSourceOverAnyDestination_data()
    {
        QTest::addColumn<int>("sourceSize");
        QTest::addColumn<int>("oldDestinationSize"); // -1: none
        QTest::newRow("new destination") << 300000 << -1;
        QTest::newRow("longer destination replaced") << 5000 << 200000;
        QTest::newRow("shorter destination replaced") << 200000 << 10;
        QTest::newRow("empty source") << 0 << 100;
    }
    void copyWritesTheWholeSourceOverAnyDestination()
    {
        QFETCH(int, sourceSize);
        QFETCH(int, oldDestinationSize);
        const QByteArray data = pattern(sourceSize, 'a');
        write(file("son.wav"), data);
        if (oldDestinationSize >= 0)
            write(file("copie.wav"), pattern(oldDestinationSize, 'z'));
        DesktopFileOperations files(nullptr, 4096);
        const CopyResult result = files.copy(file("son.wav"), file("copie.wav"));
        QCOMPARE(result.outcome, CopyOutcome::Copied);
        QCOMPARE(contentOf(file("copie.wav")), data);
        QCOMPARE(leftInFolder(), (QStringList{"copie.wav", "son.wav"}));
    }

    void copyOntoItselfWritesNothing_data()
    {
        QTest::addColumn<QString>("link"); // how the destination names the source
        QTest::newRow("same path") << "";
        QTest::newRow("path with dots") << "dots";
        QTest::newRow("symbolic link") << "symlink";
        QTest::newRow("hard link") << "hardlink";
    }
    void copyOntoItselfWritesNothing()
    {
        QFETCH(QString, link);
        const QByteArray data = pattern(50000, 'b');
        write(file("a.wav"), data);
        QString destination = file("a.wav");
        if (link == "dots") {
            destination = m_files + "/../files/./a.wav";
        } else if (link == "symlink") {
            destination = file("lien.wav");
            QVERIFY(QFile::link(file("a.wav"), destination));
        } else if (link == "hardlink") {
            destination = file("dur.wav");
            QCOMPARE(::link(QFile::encodeName(file("a.wav")).constData(),
                            QFile::encodeName(destination).constData()),
                     0);
        }
        const QStringList before = leftInFolder();
        DesktopFileOperations files(nullptr, 4096);
        QCOMPARE(files.copy(file("a.wav"), destination).outcome, CopyOutcome::SameFile);
        QCOMPARE(contentOf(file("a.wav")), data);
        QCOMPARE(leftInFolder(), before);
    }

    void unfinishedCopyLeavesTheDestinationAsItWas_data()
    {
        QTest::addColumn<bool>("destinationExists");
        QTest::addColumn<QString>("destinationFolder");
        QTest::addColumn<int>("outcome");
        QTest::newRow("stopped, over a file") << true << "" << int(CopyOutcome::Cancelled);
        QTest::newRow("stopped, new file") << false << "" << int(CopyOutcome::Cancelled);
        QTest::newRow("missing folder") << false << "absent/" << int(CopyOutcome::Failed);
        QTest::newRow("destination is a folder")
            << false << "dossier.wav/" << int(CopyOutcome::Failed);
    }
    void unfinishedCopyLeavesTheDestinationAsItWas()
    {
        QFETCH(bool, destinationExists);
        QFETCH(QString, destinationFolder);
        QFETCH(int, outcome);
        write(file("grand.avi"), pattern(64 * 1024, 'c'));
        const QByteArray old = pattern(1000, 'o');
        const QString destination
            = file(destinationFolder.isEmpty() ? "copie.avi" : destinationFolder);
        if (destinationExists)
            write(destination, old);
        if (destinationFolder == "dossier.wav/")
            QVERIFY(QDir().mkpath(destination));
        const QStringList before = leftInFolder();
        DesktopFileOperations files(
            [](const QString &, qint64) { return std::make_unique<StopAfter>(3); }, 4096);
        const QString target = destinationFolder == "absent/" ? destination + "x.avi" : destination;
        const CopyResult result = files.copy(file("grand.avi"), target);
        QCOMPARE(int(result.outcome), outcome);
        if (result.outcome == CopyOutcome::Failed)
            QVERIFY2(result.message.contains("n'a pas pu être copié"), qPrintable(result.message));
        if (destinationExists)
            QCOMPARE(contentOf(destination), old);
        QCOMPARE(leftInFolder(), before);
    }

    void vanishedSourceCopiesNothing()
    {
        DesktopFileOperations files(nullptr, 4096);
        QCOMPARE(files.copy(file("parti.wav"), file("copie.wav")).outcome,
                 CopyOutcome::SourceMissing);
        QVERIFY(leftInFolder().isEmpty());
    }

    void readOnlyFileBecomesWritable()
    {
        write(file("protege.mid"), "MThd");
        QVERIFY(QFile::setPermissions(file("protege.mid"), QFileDevice::ReadOwner));
        DesktopFileOperations files;
        QVERIFY(files.clearAttributes(file("protege.mid")));
        QVERIFY(QFile::permissions(file("protege.mid")) & QFileDevice::WriteOwner);
        QVERIFY(!files.clearAttributes(file("absent.mid")));
    }

    void deletedFileGoesToTheTrash()
    {
        write(file("vieux.wav"), "RIFF");
        DesktopFileOperations files;
        QCOMPARE(files.moveToTrash(file("vieux.wav")).outcome, TrashOutcome::Trashed);
        QVERIFY(!QFile::exists(file("vieux.wav")));
        QCOMPARE(contentOf(trash() + "/files/vieux.wav"), QByteArray("RIFF"));
        QVERIFY(QFile::exists(trash() + "/info/vieux.wav.trashinfo"));
    }

    void refusedTrashLeavesTheFileInPlace()
    {
        write(file("garde.wav"), "RIFF");
        // A trash that cannot be made: a plain file stands where its folder would go.
        QVERIFY(QDir().mkpath(QFileInfo(trash()).path()));
        write(trash(), "pas un dossier");
        DesktopFileOperations files;
        const TrashResult result = files.moveToTrash(file("garde.wav"));
        QCOMPARE(result.outcome, TrashOutcome::Refused);
        QVERIFY2(result.message.contains("corbeille"), qPrintable(result.message));
        QCOMPARE(contentOf(file("garde.wav")), QByteArray("RIFF"));
        QCOMPARE(files.moveToTrash(file("garde.wav")).outcome, TrashOutcome::Refused);
        QCOMPARE(files.moveToTrash(file("absent.wav")).outcome, TrashOutcome::Missing);
    }
};

KV_TEST_MAIN(FileOperationsTest)
#include "tst_fileoperations.moc"
