// kinovue-probe FILE [--play] [--screenshot PNG]
// Opens FILE through the media window's own engine selection, silently, and prints one JSON
// object: the file name read back, the engine, length in ms and frames, natural size; with
// --play, every notification with its time and the mode after it, while the file plays to its
// end. Exit status 0 when the file opened, 1 when not.
#include "media/MediaWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <clocale>
#include <cstdio>

namespace {

constexpr int LongestPlayMs = 10 * 60 * 1000;

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Opens a media file as the media window does."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the media file"));
    QCommandLineOption play(QStringLiteral("play"), QStringLiteral("play it to its end"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("show the window and save it as a PNG"),
                                  QStringLiteral("png"));
    parser.addOption(play);
    parser.addOption(screenshot);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const QString path = parser.positionalArguments().first();

    MediaWindow window;
    window.setVolume(0); // silent: a probe is not for listening
    QElapsedTimer clock;
    QJsonArray notifications;
    auto record = [&](const char *name) {
        notifications.append(QJsonObject{{QStringLiteral("t"), clock.elapsed()},
                                         {QStringLiteral("event"), QLatin1String(name)},
                                         {QStringLiteral("mode"), window.modeName()},
                                         {QStringLiteral("position"), window.position()}});
    };
    QObject::connect(&window, &MediaWindow::mediaChanged, [&] { record("mediaChanged"); });
    QObject::connect(&window, &MediaWindow::modeChanged, [&] { record("modeChanged"); });
    QObject::connect(&window, &MediaWindow::positionChanged, [&] { record("positionChanged"); });
    QObject::connect(&window, &MediaWindow::sizeChanged, [&] { record("sizeChanged"); });

    clock.start();
    window.setFileName(path);
    const QString opened = window.fileName();
    QJsonObject result{{QStringLiteral("file"), opened},
                       {QStringLiteral("engine"), window.engineName()}};
    window.setTimeFormat(QStringLiteral("ms"));
    result[QStringLiteral("lengthMs")] = window.length();
    window.setTimeFormat(QStringLiteral("frames"));
    result[QStringLiteral("frames")] = window.length();
    const QSize natural = window.naturalSize();
    result[QStringLiteral("width")] = natural.isEmpty() ? 0 : natural.width();
    result[QStringLiteral("height")] = natural.isEmpty() ? 0 : natural.height();
    result[QStringLiteral("openMs")] = clock.elapsed();
    window.setTimeFormat(QStringLiteral("ms"));
    // Let the notifications of the opening arrive before anything else happens.
    QApplication::processEvents();

    if (!opened.isEmpty() && parser.isSet(screenshot)) {
        window.show();
        window.sendCommand(QStringLiteral("play"));
        QTimer::singleShot(std::min(1000, window.length() / 2), &app, [&] {
            window.sendCommand(QStringLiteral("pause"));
            QApplication::processEvents();
            window.grab().save(parser.value(screenshot));
            app.quit();
        });
        app.exec();
    }

    if (!opened.isEmpty() && parser.isSet(play)) {
        window.setPosition(0);
        QObject::connect(&window, &MediaWindow::modeChanged, &app, [&] {
            if (window.mode() != MediaWindow::Mode::Playing)
                app.quit();
        });
        QTimer::singleShot(LongestPlayMs, &app, &QApplication::quit);
        const qint64 start = clock.elapsed();
        window.sendCommand(QStringLiteral("play"));
        app.exec();
        result[QStringLiteral("playedMs")] = clock.elapsed() - start;
        result[QStringLiteral("finalMode")] = window.modeName();
    }
    result[QStringLiteral("notifications")] = notifications;

    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Indented).constData(), stdout);
    return opened.isEmpty() ? 1 : 0;
}
