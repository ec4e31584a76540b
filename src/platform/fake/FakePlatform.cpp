#include "FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString FakeSettingsStore::path(const QString &application, const QString &section,
                                const QString &key)
{
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QString FakeSettingsStore::read(const QString &application, const QString &section,
                                const QString &key, const QString &fallback) const
{
    return values.value(path(application, section, key), fallback);
}

void FakeSettingsStore::write(const QString &application, const QString &section,
                              const QString &key, const QString &value)
{
    const QString p = path(application, section, key);
    values.insert(p, value);
    writes.append(p);
}

void FakeSettingsStore::removeApplication(const QString &application)
{
    ++removals;
    const QString prefix = application + QLatin1Char('/');
    for (auto it = values.begin(); it != values.end();) {
        if (it.key().startsWith(prefix))
            it = values.erase(it);
        else
            ++it;
    }
}

MessageAnswer FakeMessageBox::ask(const MessageRequest &request)
{
    asked.append(request);
    if (onAsk)
        onAsk(request);
    if (!answers.isEmpty())
        return answers.dequeue();
    const QList<MessageAnswer> possible = answersOf(request.buttons);
    return possible.value(request.defaultButton, possible.first());
}

FakeCommonDialog::FakeCommonDialog(QList<Shown> *log, QQueue<Reply> *replies)
    : m_log(log)
    , m_replies(replies)
{}

DialogOutcome FakeCommonDialog::showOpen()
{
    return answer(Kind::Open);
}
DialogOutcome FakeCommonDialog::showSave()
{
    return answer(Kind::Save);
}
DialogOutcome FakeCommonDialog::showColour()
{
    return answer(Kind::Colour);
}

DialogOutcome FakeCommonDialog::answer(Kind kind)
{
    m_log->append({kind, m_state});
    if (m_replies->isEmpty())
        return cancelled();
    const Reply reply = m_replies->dequeue();
    if (!reply.accept)
        return cancelled();
    if (kind == Kind::Colour) {
        m_state.colour = reply.colour;
    } else {
        m_state.fileName = reply.fileName;
        if (reply.filterIndex > 0)
            m_state.filterIndex = reply.filterIndex;
    }
    return DialogOutcome::Accepted;
}

CommonDialog *FakeDialogFactory::create()
{
    return new FakeCommonDialog(&shown, &replies);
}

LaunchResult FakeLauncher::start(const LaunchCommand &command)
{
    started.append(command.line);
    commands.append(command);
    if (onStart)
        onStart(command.line);
    const LaunchStatus status = statusByProgram.value(command.program, LaunchStatus::Started);
    if (status != LaunchStatus::Started)
        return {status, 0};
    const qint64 id = m_next++;
    m_running.insert(id);
    return {LaunchStatus::Started, id};
}

bool FakeLauncher::isRunning(qint64 id) const
{
    return m_running.contains(id);
}

WindowServices::WindowId FakeWindowServices::findTopLevel(const QString &title) const
{
    return windows.value(title, 0);
}

void FakeWindowServices::requestClose(WindowId window)
{
    closeRequests.append(window);
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (it.value() == window) {
            windows.erase(it);
            break;
        }
    }
}

bool FakeWindowServices::activate(const QString &title)
{
    activations.append(title);
    return windows.contains(title);
}

bool FakeWindowServices::exists(WindowId window) const
{
    return window != 0 && std::find(windows.begin(), windows.end(), window) != windows.end();
}

void FakeHelpViewer::showFile(const QString &helpFile)
{
    calls.append({helpFile, -1});
}
void FakeHelpViewer::showTopic(const QString &helpFile, int context)
{
    calls.append({helpFile, context});
}

bool FakeSoundPlayer::playSync(const QByteArray &wave)
{
    played.append(wave);
    return succeed;
}

double FakeRandom::next()
{
    if (sequence.isEmpty())
        return 0.5;
    const double value = sequence.at(index % sequence.size());
    ++index;
    return value;
}

CopyResult FakeFileOperations::copy(const QString &source, const QString &destination)
{
    copies.append({source, destination});
    if (!copyResults.isEmpty())
        return copyResults.dequeue();
    return {CopyOutcome::Copied, {}};
}

bool FakeFileOperations::clearAttributes(const QString &path)
{
    cleared.append(path);
    return true;
}

TrashResult FakeFileOperations::moveToTrash(const QString &path)
{
    trashed.append(path);
    if (!QFileInfo::exists(path))
        return {TrashOutcome::Missing, {}};
    if (refuseTrash)
        return {TrashOutcome::Refused, QStringLiteral("La corbeille refuse ce fichier.")};
    if (!trashFolder.isEmpty())
        QFile::rename(path, QDir(trashFolder).filePath(QFileInfo(path).fileName()));
    return {TrashOutcome::Trashed, {}};
}

FakePlatform::FakePlatform(const QString &programFolder)
{
    platform.programFolder = programFolder;
    auto s = std::make_unique<FakeSettingsStore>();
    settings = s.get();
    platform.settings = std::move(s);
    auto m = std::make_unique<FakeMessageBox>();
    messages = m.get();
    platform.messages = std::move(m);
    auto d = std::make_unique<FakeDialogFactory>();
    dialogs = d.get();
    platform.dialogs = std::move(d);
    auto l = std::make_unique<FakeLauncher>();
    launcher = l.get();
    platform.launcher = std::move(l);
    auto w = std::make_unique<FakeWindowServices>();
    windows = w.get();
    platform.windows = std::move(w);
    auto h = std::make_unique<FakeHelpViewer>();
    help = h.get();
    platform.help = std::move(h);
    auto so = std::make_unique<FakeSoundPlayer>();
    sound = so.get();
    platform.sound = std::move(so);
    auto i = std::make_unique<FakeInstanceGuard>();
    instances = i.get();
    platform.instances = std::move(i);
    auto ho = std::make_unique<FakeInstanceHandover>();
    handover = ho.get();
    platform.handover = std::move(ho);
    auto c = std::make_unique<FakeClock>();
    clock = c.get();
    platform.clock = std::move(c);
    auto r = std::make_unique<FakeRandom>();
    random = r.get();
    platform.random = std::move(r);
    auto u = std::make_unique<FakeUrlOpener>();
    urls = u.get();
    platform.urls = std::move(u);
    auto f = std::make_unique<FakeFileOperations>();
    files = f.get();
    platform.files = std::move(f);
}
