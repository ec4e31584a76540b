#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeUrlOpener.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QSet>
#include <QStringList>

#include <functional>

// Test doubles of every platform service: scripted answers, recorded requests.

class FakeSettingsStore : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &fallback) const override;
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    void removeApplication(const QString &application) override;

    static QString path(const QString &application, const QString &section, const QString &key);
    QMap<QString, QString> values; // "application/section/key" -> text
    QStringList writes;            // paths in the order written
    int removals = 0;
};

class FakeMessageBox : public MessageBoxService
{
public:
    MessageAnswer ask(const MessageRequest &request) override;
    QList<MessageRequest> asked;
    QQueue<MessageAnswer> answers; // empty: the default button's answer
    std::function<void(const MessageRequest &)> onAsk;
};

class FakeCommonDialog : public CommonDialog
{
public:
    enum class Kind { Open, Save, Colour };
    struct Shown
    {
        Kind kind;
        CommonDialogState state;
    };
    struct Reply
    {
        bool accept = true;
        QString fileName;
        int filterIndex = 0; // 0 keeps the current one
        quint32 colour = 0;
    };
    explicit FakeCommonDialog(QList<Shown> *log, QQueue<Reply> *replies);
    DialogOutcome showOpen() override;
    DialogOutcome showSave() override;
    DialogOutcome showColour() override;

private:
    DialogOutcome answer(Kind kind);
    QList<Shown> *m_log;
    QQueue<Reply> *m_replies;
};

class FakeDialogFactory : public CommonDialogFactory
{
public:
    CommonDialog *create() override;
    QList<FakeCommonDialog::Shown> shown;
    QQueue<FakeCommonDialog::Reply> replies; // empty: cancel
};

class FakeLauncher : public ProcessLauncher
{
public:
    LaunchResult start(const LaunchCommand &command) override;
    bool isRunning(qint64 id) const override;
    void finish(qint64 id) { m_running.remove(id); }
    void finishAll() { m_running.clear(); }

    QStringList started;                         // the text of every command asked for
    QList<LaunchCommand> commands;               // the same commands, as they would start
    QMap<QString, LaunchStatus> statusByProgram; // program -> outcome; default Started
    std::function<void(const QString &)> onStart;

private:
    QSet<qint64> m_running;
    qint64 m_next = 1;
};

class FakeWindowServices : public WindowServices
{
public:
    WindowId findTopLevel(const QString &title) const override;
    void requestClose(WindowId window) override;
    bool activate(const QString &title) override;
    bool exists(WindowId window) const override;

    QMap<QString, WindowId> windows; // title -> id
    QList<WindowId> closeRequests;
    QStringList activations;
};

class FakeHelpViewer : public HelpViewer
{
public:
    void showFile(const QString &helpFile) override;
    void showTopic(const QString &helpFile, int context) override;
    struct Call
    {
        QString file;
        int context; // -1 for the whole file
    };
    QList<Call> calls;
};

class FakeSoundPlayer : public SoundPlayer
{
public:
    bool playSync(const QByteArray &wave) override;
    QList<QByteArray> played;
    bool succeed = true;
};

class FakeInstanceGuard : public InstanceGuard
{
public:
    bool previousInstanceRunning() override { return running; }
    bool running = false;
};

class FakeInstanceHandover : public InstanceHandover
{
public:
    bool listen() override { return listening = listenable; }
    bool handOver(const QStringList &files) override
    {
        handed << files;
        return taken;
    }
    // A later start handing files to this copy.
    void deliver(const QStringList &files) { emit filesReceived(files); }
    bool listenable = true;
    bool listening = false;
    bool taken = true;
    QList<QStringList> handed;
};

class FakeClock : public Clock
{
public:
    double secondsSinceMidnight() const override { return seconds; }
    qint64 elapsedMs() const override { return ms; }
    double seconds = 36000;
    qint64 ms = 0;
};

class FakeRandom : public RandomSource
{
public:
    double next() override;
    QList<double> sequence; // repeated in turn; empty gives 0.5
    int index = 0;
};

// Records each operation; copies succeed and the trash takes every file unless scripted. A
// file the trash takes is moved into trashFolder when one is set, so listings see it leave.
class FakeFileOperations : public FileOperations
{
public:
    CopyResult copy(const QString &source, const QString &destination) override;
    bool clearAttributes(const QString &path) override;
    TrashResult moveToTrash(const QString &path) override;

    struct Copy
    {
        QString source;
        QString destination;
    };
    QList<Copy> copies;
    QQueue<CopyResult> copyResults; // empty: Copied
    QStringList cleared;
    QStringList trashed;
    bool refuseTrash = false;
    QString trashFolder;
};

// A Platform made of fakes, with typed access to each.
struct FakePlatform
{
    explicit FakePlatform(const QString &programFolder = QStringLiteral("/opt/kinovue"));
    Platform platform;
    FakeSettingsStore *settings;
    FakeMessageBox *messages;
    FakeDialogFactory *dialogs;
    FakeLauncher *launcher;
    FakeWindowServices *windows;
    FakeHelpViewer *help;
    FakeSoundPlayer *sound;
    FakeInstanceGuard *instances;
    FakeInstanceHandover *handover;
    FakeClock *clock;
    FakeRandom *random;
    FakeUrlOpener *urls;
    FakeFileOperations *files;
};
