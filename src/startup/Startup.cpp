#include "Startup.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "mainwindow/DesktopOpening.h"
#include "mainwindow/FenPrin.h"
#include "startup/Demarre2.h"

#include <cstdio>

namespace {

void printError(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

Startup::Startup(AppContext &context, QList<GivenFile> files)
    : m_context(context)
    , m_files(std::move(files))
{}

bool Startup::begin()
{
    auto *splash = new Demarre2(m_context);
    if (!splash->load()) {
        delete splash;
        handOverToRunningCopy();
        return false;
    }
    InstanceHandover &handover = *m_context.platform.handover;
    connect(&handover, &InstanceHandover::filesReceived, this, &Startup::received);
    handover.listen();
    connect(splash, &Demarre2::handOver, this, &Startup::loadMainWindow);
    return true;
}

void Startup::handOverToRunningCopy()
{
    QStringList paths;
    for (const GivenFile &file : std::as_const(m_files)) {
        // Said here, where the user started the program, not in the running copy.
        const QString refusal = DesktopOpening::refusalOf(file);
        if (refusal.isEmpty())
            paths << file.path;
        else
            printError(refusal);
    }
    if (paths.isEmpty() || m_context.platform.handover->handOver(paths))
        return;
    printError(QStringLiteral("Kinovue ST : la copie déjà ouverte n'a pas reçu les fichiers."));
    m_exitStatus = 1;
}

void Startup::loadMainWindow()
{
    // The splash ticks until the main window's load step unloads it.
    if (m_context.windows.find(QStringLiteral("FenPrin")))
        return;
    auto *main = new FenPrin(m_context);
    connect(&main->desktopOpening(), &DesktopOpening::refused, this, &printError);
    main->load();
    m_main = main;
    emit mainWindowLoaded(*main);
    if (!m_files.isEmpty())
        main->desktopOpening().open(std::exchange(m_files, {}));
    for (const QStringList &paths : std::exchange(m_laterStarts, {}))
        main->desktopOpening().openFromLaterStart(paths);
}

void Startup::received(const QStringList &paths)
{
    if (m_main)
        m_main->desktopOpening().openFromLaterStart(paths);
    else
        m_laterStarts << paths;
}
