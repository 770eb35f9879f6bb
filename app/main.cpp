// Process entry: fixes the interface language for this run, then starts the application.
#include "app/AppContext.h"
#include "app/ScreenRegistry.h"
#include "app/StyleSheet.h"
#include "app/Tolvane_AppDelegate.h"
#include "catalogue/HeldMemory.h"
#include "platform/BuildConfig.h"
#include "store/StoreLocations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <iostream>

using namespace tolvane;

namespace {

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption dataDir{"data-dir", "Documents directory (database, analytics, settings).",
                               "DIR"};
    QCommandLineOption server{"server", "Base address of the product server.", "URL"};
    QCommandLineOption lang{"lang", "Interface language for this run: de, en, es, fr, it or ru.",
                            "CODE"};
    QCommandLineOption scale{"scale", "Drawing scale of the 320 x 480 point window.", "N"};
    QCommandLineOption quitAfter{"quit-after",
                                 "Quit by itself after N seconds (to check an installation).", "N"};

    CommandLine() {
        parser.setApplicationDescription("Tolvane: judge packaged food by its nutrition.");
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({dataDir, server, lang, scale, quitAfter});
    }
};

void nameApplication() {
    QCoreApplication::setApplicationName("tolvane");
    QCoreApplication::setApplicationVersion(config::version);
    QCoreApplication::setOrganizationName("Tolvane");
}

} // namespace

int main(int argc, char** argv) {
    returnLargeBlocksWhenFreed();
    // --help and --version answer without a display.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            QCoreApplication core(argc, argv);
            nameApplication();
            CommandLine commandLine;
            commandLine.parser.process(core);
            return 0;
        }
    }
    // The scale must be known before the application object exists: from --scale, else a
    // short look at the screen decides how large the handheld-sized window can be drawn.
    if (auto scale = AppOptions::scaleFromArguments(argc, argv)) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));
    } else if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR") &&
               qEnvironmentVariable("QT_QPA_PLATFORM") != "offscreen") {
        double fit = 1.0;
        {
            int probeArgc = 1;
            QGuiApplication probe(probeArgc, argv);
            if (auto* screen = QGuiApplication::primaryScreen())
                fit = AppOptions::fittingScale(screen->availableGeometry().height());
        }
        if (fit > 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(fit));
    }

    QApplication app(argc, argv);
    nameApplication();
    QApplication::setApplicationDisplayName("Tolvane");
    QGuiApplication::setDesktopFileName("tolvane");

    CommandLine commandLine;
    auto& parser = commandLine.parser;
    const auto& dataDir = commandLine.dataDir;
    const auto& server = commandLine.server;
    const auto& lang = commandLine.lang;
    const auto& scale = commandLine.scale;
    parser.process(app);

    if (parser.isSet(scale) && !AppOptions::scaleFromArguments(argc, argv)) {
        std::cerr << "tolvane: --scale needs a number from 0.5 to 8\n";
        return 2;
    }

    AppOptions options;
    options.resourceDir = AppOptions::findResourceDir(QCoreApplication::applicationDirPath());
    if (parser.isSet(dataDir)) {
        options.documentsDir = QDir(parser.value(dataDir)).absolutePath();
        // A separate documents directory is a separate user: its settings live with it.
        options.defaultsFile = options.documentsDir + "/defaults.ini";
    } else {
        options.documentsDir = QString::fromStdString(StoreLocations::defaultDocumentsDir());
        options.defaultsFile =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/tolvane/defaults.ini";
    }
    options.serverUrl = parser.isSet(server) ? parser.value(server)
                        : qEnvironmentVariableIsSet("TOLVANE_SERVER_URL")
                            ? qEnvironmentVariable("TOLVANE_SERVER_URL")
                            : QString(config::serverUrl);
    options.language = parser.value(lang);
    if (parser.isSet(lang) &&
        !QStringList{"de", "en", "es", "fr", "it", "ru"}.contains(options.language)) {
        std::cerr << "tolvane: --lang must be one of de, en, es, fr, it, ru\n";
        return 2;
    }

    bool quitAfterIsNumber = false;
    const int quitAfterSeconds = parser.value(commandLine.quitAfter).toInt(&quitAfterIsNumber);
    if (parser.isSet(commandLine.quitAfter) && (!quitAfterIsNumber || quitAfterSeconds < 0)) {
        std::cerr << "tolvane: --quit-after needs a whole number of seconds\n";
        return 2;
    }

    // Diagnostics go to the log file: they may name the user's profile values and products.
    auto log = std::make_unique<FileLog>(
        std::filesystem::path(options.documentsDir.toStdString()) / "Tolvane.log", std::cerr);
    auto context = AppContext::create(options, std::move(log), AppContext::deviceLanguages());
    app.setStyleSheet(styleSheet());

    ScreenFactory factory;
    registerScreens(factory);
    Tolvane_AppDelegate delegate(*context, factory);
    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();

    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &delegate,
                     [&delegate](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive) delegate.applicationWillResignActive();
                     });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    if (parser.isSet(commandLine.quitAfter))
        QTimer::singleShot(std::chrono::seconds(quitAfterSeconds), &app, &QCoreApplication::quit);
    const int exited = app.exec();
    return exited != 0 ? exited : delegate.exitCode();
}
