#pragma once

// Everything a window test needs: fake platform services, fresh shared values, the loaded
// windows, and fake media engines whose files the test scripts. Header-only: it is used by
// the tests that link the windows library.

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/FileList.h"
#include "mainwindow/FenPrin.h"
#include "media/FakeEngine.h"
#include "media/MediaWindow.h"
#include "platform/fake/FakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

namespace kvtest {

struct WindowHarness
{
    WindowHarness()
        : context{fakes.platform, general, windows, MediaWindow::EngineFactory{}}
    {
        context.engines = [this](MediaKind) -> std::unique_ptr<MediaEngine> {
            return std::make_unique<FakeEngine>(media);
        };
    }

    ~WindowHarness()
    {
        windows.unloadAll();
        QCoreApplication::processEvents();
    }

    // Tips off unless a test asks for them, so that loading the main window does not wait
    // for the tips dialog.
    void tipsAtStart(bool on)
    {
        fakes.settings->values.insert(
            FakeSettingsStore::path(QStringLiteral("Kinovue ST"),
                                    QStringLiteral("Conseils du jour"),
                                    QStringLiteral("Conseil au démarrage")),
            on ? QStringLiteral("Oui") : QStringLiteral("Non"));
        fakes.settings->writes.clear();
    }

    // The main window, loaded as at start but without the tips dialog waiting for a user.
    FenPrin *mainWindow()
    {
        tipsAtStart(false);
        main = new FenPrin(context);
        main->load();
        return main;
    }

    // A file the fake engines play as scripted; the media window only opens files that exist.
    QString addMedia(const QString &name, const FakeMedia &script)
    {
        const QString path = QDir(folder.path()).filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("fake");
        media.insert(path, script);
        return path;
    }

    static FakeEngine *engineOf(const MediaWindow &window)
    {
        return qobject_cast<FakeEngine *>(window.engine());
    }

    // Lets queued notifications arrive.
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    // What a user sees of the main window loaded last, and what a user does to it.
    bool shown(const QString &name) const { return !main->control(name)->isHidden(); }
    bool enabled(const QString &name) const { return main->control(name)->isEnabled(); }
    QString caption(const QString &name) const { return main->panel(name)->caption(); }
    // One word a control: "name" shown and enabled, "name-" shown but greyed, "(name)" hidden,
    // so that a table row can say at once what the user sees.
    QString looks(const QStringList &names) const
    {
        QStringList words;
        for (const QString &name : names) {
            words << (!shown(name)    ? QLatin1Char('(') + name + QLatin1Char(')')
                      : enabled(name) ? name
                                      : name + QLatin1Char('-'));
        }
        return words.join(QLatin1Char(' '));
    }
    // A left click at the centre of a skinned button, as the user makes it.
    void click(const QString &name)
    {
        ZarnBttn *b = main->button(name);
        QVERIFY2(b, qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        settle();
    }
    // A press and release of any button, for the right and middle buttons' own actions.
    void press(const QString &name, Qt::MouseButton button)
    {
        QWidget *c = main->control(name);
        QVERIFY2(c, qPrintable(name));
        QTest::mousePress(c, button, {}, c->rect().center());
        QTest::mouseRelease(c, button, {}, c->rect().center());
        settle();
    }
    // A click on an entry of the file list, with Ctrl to add it to a selection.
    void clickEntry(int row, Qt::KeyboardModifiers modifiers = {})
    {
        auto *files = main->get<FileList>(QStringLiteral("Fichier1"));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, modifiers,
                          files->visualItemRect(files->item(row)).center());
        settle();
    }
    // The next file dialog gives this file; an empty name cancels it.
    void answer(const QString &path) { fakes.dialogs->replies.enqueue({!path.isEmpty(), path}); }
    MediaWindow &animation() const { return main->mciWnd1(); }
    FakeEngine *engine() const { return engineOf(animation()); }
    // The clock of the fake engines moves on, and the notifications arrive.
    void advance(qint64 ms)
    {
        if (FakeEngine *e = engine())
            e->advance(ms);
        settle();
    }
    // The animation as the user meets it: its file name, its mode, its position in ms.
    QString playing() const
    {
        MediaWindow &m = animation();
        const QString format = m.timeFormat();
        m.setTimeFormat(QStringLiteral("ms"));
        const QString text = QStringLiteral("%1 %2 %3")
                                 .arg(QFileInfo(m.fileName()).fileName(), m.modeName())
                                 .arg(m.position());
        m.setTimeFormat(format);
        return text;
    }

    FenPrin *main = nullptr;
    FakePlatform fakes{QStringLiteral("/opt/kinovue")};
    General general;
    LoadedWindows windows;
    QTemporaryDir folder;
    QHash<QString, FakeMedia> media;
    AppContext context;
};

} // namespace kvtest
