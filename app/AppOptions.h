// What the command line and the environment decide for a run.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvane {

struct AppOptions {
    QString documentsDir; // --data-dir, else the user's data folder
    QString resourceDir;  // found beside the program (build tree or installation)
    QString defaultsFile; // the user-defaults file
    QString serverUrl;    // --server, else TOLVANE_SERVER_URL, else the built-in address
    QString language;     // --lang: this run only; empty = the stored choice
    double scale = 0;     // --scale; 0 = the desktop's own

    // Reads --scale before the application object exists (Qt takes its scale from the environment).
    static std::optional<double> scaleFromArguments(int argc, char** argv);
    // The largest of 1, 1.25, ... 2 at which a window of the given height (points) takes at most
    // 85 % of the screen's available height; 1 when none is larger.
    static double fittingScale(int availableHeight, int windowHeight = 480);
    // The resource folder: $TOLVANE_RESOURCE_DIR, the build tree, or share/tolvane.
    static QString findResourceDir(const QString& programDir);
};

} // namespace tolvane
