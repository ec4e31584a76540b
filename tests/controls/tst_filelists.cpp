#include "TestMain.h"

#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "controls/files/FileList.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList entries(const FileList &list)
{
    QStringList names;
    for (int i = 0; i < list.listCount(); ++i)
        names << list.list(i);
    return names;
}

QStringList entries(const DirList &list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.item(i)->text().trimmed();
    return names;
}

void sendKey(QWidget &widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

} // namespace

class TestFileLists : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        const QString root = m_dir->path();
        for (const char *name : {"b.avi", "A.AVI", "c.Mov", "clip.mpg", "notes.txt", "README",
                                 "son.wav", ".cache.avi"}) {
            touch(root + QLatin1Char('/') + QLatin1String(name));
        }
        QVERIFY(QDir(root).mkpath(QStringLiteral("Films/Court")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("archives")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("Sons")));
    }

    void cleanup()
    {
        // A folder left without permissions would stop the temporary folder's removal.
        QFile::setPermissions(m_dir->path() + QStringLiteral("/Sons"), QFileDevice::ReadOwner
                                                                           | QFileDevice::WriteOwner
                                                                           | QFileDevice::ExeOwner);
        delete m_dir;
        m_dir = nullptr;
    }
    void filesMatchPatternsWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("animations")
            << "*.avi;*.mpg;*.mov" << QStringList{"A.AVI", "b.avi", "c.Mov", "clip.mpg"};
        QTest::newRow("avi and mov") << "*.avi;*.mov" << QStringList{"A.AVI", "b.avi", "c.Mov"};
        QTest::newRow("sounds") << "*.aif;*.mid;*.rmi;*.wav" << QStringList{"son.wav"};
        QTest::newRow("every file, even without extension")
            << "*.*"
            << QStringList{"A.AVI", "b.avi", "c.Mov", "clip.mpg", "notes.txt", "README", "son.wav"};
        QTest::newRow("no match") << "*.flc" << QStringList{};
        QTest::newRow("spaces and empty parts") << " *.wav ;;*.mid; " << QStringList{"son.wav"};
        QTest::newRow("empty pattern is every file")
            << ""
            << QStringList{"A.AVI", "b.avi", "c.Mov", "clip.mpg", "notes.txt", "README", "son.wav"};
    }
    void filesMatchPatternsWithoutRegardToCase()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        FileList list;
        list.setPattern(pattern);
        QVERIFY(list.setPath(m_dir->path()));
        QCOMPARE(entries(list), expected);
        QCOMPARE(list.listCount(), expected.size());
    }

    void filesAreSortedByNameIgnoringCase()
    {
        const QString root = m_dir->path();
        for (const char *name : {"Zebre.avi", "alpha.avi", "Beta.avi", "beta2.avi"})
            touch(root + QLatin1Char('/') + QLatin1String(name));
        FileList list;
        list.setPattern(QStringLiteral("*.avi"));
        list.setPath(root);
        QCOMPARE(entries(list), (QStringList{"A.AVI", "alpha.avi", "b.avi", "Beta.avi", "beta2.avi",
                                             "Zebre.avi"}));
    }

    void selectionFlagsFollowTheSelectionMode()
    {
        FileList list;
        list.setPattern(QStringLiteral("*.avi;*.mpg;*.mov"));
        list.setPath(m_dir->path());

        list.setMultiSelect(true);
        QVERIFY(list.multiSelect());
        list.setSelected(0, true);
        list.setSelected(2, true);
        QCOMPARE(
            QList<bool>({list.selected(0), list.selected(1), list.selected(2), list.selected(3)}),
            QList<bool>({true, false, true, false}));
        list.setSelected(0, false);
        QVERIFY(!list.selected(0));
        QVERIFY(list.selected(2));

        list.setMultiSelect(false);
        list.setSelected(1, true);
        list.setSelected(3, true);
        QCOMPARE(
            QList<bool>({list.selected(0), list.selected(1), list.selected(2), list.selected(3)}),
            QList<bool>({false, false, false, true}));

        // Indexes outside the list are no entry, and nothing breaks.
        QVERIFY(!list.selected(-1));
        QVERIFY(!list.selected(99));
        list.setSelected(99, true);
        QCOMPARE(list.list(99), QString());
    }

    void currentEntryGivesFileName()
    {
        FileList list;
        list.setPattern(QStringLiteral("*.avi"));
        list.setPath(m_dir->path());
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(list.fileName(), QString());
        list.setListIndex(1);
        QCOMPARE(list.listIndex(), 1);
        QCOMPARE(list.fileName(), QStringLiteral("b.avi"));
        list.setListIndex(7);
        QCOMPARE(list.listIndex(), -1);
    }

    void refreshSeesNewFiles()
    {
        FileList list;
        list.setPattern(QStringLiteral("*.avi"));
        list.setPath(m_dir->path());
        QCOMPARE(list.listCount(), 2);
        touch(m_dir->path() + QStringLiteral("/nouveau.avi"));
        QCOMPARE(list.listCount(), 2);
        list.refresh();
        QCOMPARE(entries(list), (QStringList{"A.AVI", "b.avi", "nouveau.avi"}));
    }

    void changeSignalsOnlyWhenSomethingChanged()
    {
        FileList list;
        QSignalSpy paths(&list, &FileList::pathChange);
        QSignalSpy patterns(&list, &FileList::patternChange);
        list.setPath(m_dir->path());
        list.setPath(m_dir->path() + QStringLiteral("/"));
        QCOMPARE(paths.count(), 1);
        QCOMPARE(list.path(), m_dir->path());
        list.setPattern(QStringLiteral("*.wav"));
        list.setPattern(QStringLiteral("*.wav"));
        QCOMPARE(patterns.count(), 1);
        QCOMPARE(entries(list), QStringList{"son.wav"});
    }

    void missingFolderKeepsTheFileList()
    {
        FileList list;
        list.setPattern(QStringLiteral("*.avi"));
        list.setPath(m_dir->path());
        QSignalSpy errors(&list, &FileList::readError);
        QSignalSpy paths(&list, &FileList::pathChange);
        QVERIFY(!list.setPath(m_dir->path() + QStringLiteral("/disparu")));
        QCOMPARE(errors.count(), 1);
        QVERIFY(!errors.at(0).at(0).toString().isEmpty());
        QCOMPARE(paths.count(), 0);
        QCOMPARE(list.path(), m_dir->path());
        QCOMPARE(entries(list), (QStringList{"A.AVI", "b.avi"}));

        // The folder itself goes away: a refresh reports it and keeps what was shown.
        QTemporaryDir other;
        touch(other.path() + QStringLiteral("/x.avi"));
        list.setPath(other.path());
        QVERIFY(other.remove());
        list.refresh();
        QCOMPARE(errors.count(), 2);
        QCOMPARE(entries(list), QStringList{"x.avi"});
    }

    void unreadableFolderKeepsTheFileList()
    {
        const QString locked = m_dir->path() + QStringLiteral("/Sons");
        touch(locked + QStringLiteral("/cache.wav"));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
        if (QDir(locked).entryList(QDir::Files).contains(QStringLiteral("cache.wav")))
            QSKIP("Permissions do not stop this user from reading (running as root)");
        FileList list;
        list.setPath(m_dir->path());
        QSignalSpy errors(&list, &FileList::readError);
        QVERIFY(!list.setPath(locked));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(list.path(), m_dir->path());

        DirList folders;
        folders.setPath(m_dir->path());
        QSignalSpy folderErrors(&folders, &DirList::readError);
        QVERIFY(!folders.setPath(locked));
        QCOMPARE(folderErrors.count(), 1);
        QCOMPARE(folders.path(), m_dir->path());
    }

    void folderListShowsAncestorsThenSubFolders()
    {
        DirList folders;
        const QString films = m_dir->path() + QStringLiteral("/Films");
        QVERIFY(folders.setPath(films));
        QCOMPARE(folders.path(), films);

        const QStringList parts = films.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QStringList expected{QStringLiteral("/")};
        expected << parts << QStringLiteral("Court");
        QCOMPARE(entries(folders), expected);
        // The current folder is the current entry; sub-folders are listed as full paths.
        QCOMPARE(folders.currentRow(), parts.size());
        QCOMPARE(folders.listCount(), 1);
        QCOMPARE(folders.list(0), films + QStringLiteral("/Court"));

        QVERIFY(folders.setPath(m_dir->path()));
        QCOMPARE(entries(folders).mid(parts.size()), (QStringList{"archives", "Films", "Sons"}));
        QVERIFY(folders.setPath(QStringLiteral("/")));
        QCOMPARE(entries(folders).first(), QStringLiteral("/"));
        QCOMPARE(folders.list(0).count(QLatin1Char('/')), 1);
    }

    void doubleClickOpensAFolder()
    {
        DirList folders;
        folders.setPath(m_dir->path());
        QSignalSpy changes(&folders, &DirList::change);
        QListWidgetItem *films
            = folders.findItems(QStringLiteral("Films"), Qt::MatchEndsWith).value(0);
        QVERIFY(films);
        // A single click only moves the selection.
        emit folders.itemClicked(films);
        QCOMPARE(changes.count(), 0);
        emit folders.itemDoubleClicked(films);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(folders.path(), m_dir->path() + QStringLiteral("/Films"));
        // Enter on the parent entry goes back up.
        folders.setCurrentRow(folders.currentRow() - 1);
        sendKey(folders, Qt::Key_Return);
        QCOMPARE(folders.path(), m_dir->path());
        QCOMPARE(changes.count(), 2);
    }

    void missingFolderKeepsTheFolderList()
    {
        DirList folders;
        folders.setPath(m_dir->path());
        const QStringList before = entries(folders);
        QSignalSpy errors(&folders, &DirList::readError);
        QSignalSpy changes(&folders, &DirList::change);
        QVERIFY(!folders.setPath(QStringLiteral("/nonexistent/kinovue/volume")));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(folders.path(), m_dir->path());
        QCOMPARE(entries(folders), before);
        // A file is not a folder either.
        QVERIFY(!folders.setPath(m_dir->path() + QStringLiteral("/b.avi")));
        QCOMPARE(errors.count(), 2);
    }

    void driveListHoldsTheRootAndFindsTheVolumeOfAPath()
    {
        DriveList drives;
        QVERIFY(drives.count() >= 1);
        QCOMPARE(drives.itemData(0).toString(), QStringLiteral("/"));
        QVERIFY(drives.setDrive(m_dir->path()));
        const QString drive = drives.drive();
        QVERIFY(!drive.isEmpty());
        QVERIFY2(m_dir->path().startsWith(drive), qPrintable(drive));
        QSignalSpy changes(&drives, &DriveList::change);
        QVERIFY(drives.setDrive(m_dir->path() + QStringLiteral("/Films")));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(drives.property("drive").toString(), drive);
    }

    void vanishedDriveKeepsTheDrive()
    {
        DriveList drives;
        drives.setDrive(QStringLiteral("/"));
        QSignalSpy errors(&drives, &DriveList::readError);
        QSignalSpy changes(&drives, &DriveList::change);
        QVERIFY(!drives.setDrive(QStringLiteral("/media/kinovue-absent/cdrom")));
        QVERIFY(!drives.setDrive(QString()));
        QCOMPARE(errors.count(), 2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(drives.drive(), QStringLiteral("/"));
        QCOMPARE(drives.failedDrive(), QString());
    }

    void f1AsksForHelp()
    {
        DriveList drives;
        DirList folders;
        FileList files;
        QSignalSpy driveHelp(&drives, &DriveList::helpRequested);
        QSignalSpy folderHelp(&folders, &DirList::helpRequested);
        QSignalSpy fileHelp(&files, &FileList::helpRequested);
        sendKey(drives, Qt::Key_F1);
        sendKey(folders, Qt::Key_F1);
        sendKey(files, Qt::Key_F1);
        QCOMPARE(driveHelp.count(), 1);
        QCOMPARE(folderHelp.count(), 1);
        QCOMPARE(fileHelp.count(), 1);
    }

    void coloursAreProperties()
    {
        DriveList drives;
        DirList folders;
        FileList files;
        for (QWidget *list : {static_cast<QWidget *>(&drives), static_cast<QWidget *>(&folders),
                              static_cast<QWidget *>(&files)}) {
            QVERIFY(list->setProperty("forecolor", quint32(0xFFFFFF)));
            QVERIFY(list->setProperty("backcolor", quint32(0xD2D200)));
            QCOMPARE(list->palette().color(QPalette::Text), QColor(255, 255, 255));
            QCOMPARE(list->palette().color(QPalette::Base), QColor(0x00, 0xD2, 0xD2));
            QCOMPARE(list->property("backcolor").toUInt(), 0xD2D200u);
        }
    }

private:
    QTemporaryDir *m_dir = nullptr;
};

KV_TEST_MAIN(TestFileLists)
#include "tst_filelists.moc"
