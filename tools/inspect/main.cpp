// kinovue-inspect WINDOW [--png FILE]: loads one window with the platform fakes and default
// settings, runs its load step, and prints its control tree as JSON; with --png, also saves
// a picture of the window as drawn.
#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "controls/ControlTreeDump.h"
#include "controls/Form.h"
#include "platform/fake/FakePlatform.h"
#include "startup/Initial.h"
#include "startup/WindowCatalog.h"

#include <QApplication>
#include <QJsonDocument>
#include <QTextStream>
#include <QTimer>

#include <clocale>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Initial::substituteFonts();

    const QStringList args = QApplication::arguments();
    const QString name = args.value(1);
    if (!WindowCatalog::names().contains(name)) {
        std::fprintf(stderr, "usage: kinovue-inspect WINDOW [--png FILE]\nWINDOW: %s\n",
                     qPrintable(WindowCatalog::names().join(QLatin1String(", "))));
        return 2;
    }

    FakePlatform fakes(QApplication::applicationDirPath());
    General general;
    LoadedWindows windows;
    AppContext context{fakes.platform, general, windows};

    // A window that opens another one modal in its load step (the tips at start) would wait
    // for a user; close such windows as soon as they show.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&windows, &name] {
        for (int i = windows.count() - 1; i >= 0; --i) {
            QWidget *w = windows.at(i);
            if (w && w->objectName() != name && w->isVisible())
                w->hide();
        }
    });
    closer.start(0);

    Form *window = WindowCatalog::load(name, context);
    closer.stop();
    if (!window)
        return 1;
    const int png = args.indexOf(QStringLiteral("--png"));
    if (png > 0 && !window->grab().save(args.value(png + 1), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.value(png + 1)));
        return 1;
    }
    const QByteArray json = QJsonDocument(dumpControlTree(*window)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
