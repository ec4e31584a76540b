#pragma once

// Everything a window test needs: fake platform services, fresh shared values, the loaded
// windows, and fake media engines whose files the test scripts. Header-only: it is used by
// the tests that link the windows library.

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "mainwindow/FenPrin.h"
#include "media/FakeEngine.h"
#include "media/MediaWindow.h"
#include "platform/fake/FakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

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
        auto *window = new FenPrin(context);
        window->load();
        return window;
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

    FakePlatform fakes{QStringLiteral("/opt/kinovue")};
    General general;
    LoadedWindows windows;
    QTemporaryDir folder;
    QHash<QString, FakeMedia> media;
    AppContext context;
};

} // namespace kvtest
