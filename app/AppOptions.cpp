#include "app/AppOptions.h"

#include <QDir>
#include <QFileInfo>

#include <charconv>
#include <cstring>

#ifndef TOLVANE_BUILD_RESOURCE_DIR
#define TOLVANE_BUILD_RESOURCE_DIR ""
#endif
#ifndef TOLVANE_INSTALL_RESOURCE_DIR
#define TOLVANE_INSTALL_RESOURCE_DIR ""
#endif

namespace tolvane {

std::optional<double> AppOptions::scaleFromArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* value = nullptr;
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            value = argv[i + 1];
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            value = argv[i] + 8;
        if (!value) continue;
        double scale = 0;
        auto [end, ec] = std::from_chars(value, value + std::strlen(value), scale);
        if (ec == std::errc() && *end == '\0' && scale >= 0.5 && scale <= 8) return scale;
        return std::nullopt;
    }
    return std::nullopt;
}

double AppOptions::fittingScale(int availableHeight, int windowHeight) {
    double best = 1.0;
    for (double scale = 1.25; scale <= 2.0; scale += 0.25)
        if (windowHeight * scale <= availableHeight * 0.85) best = scale;
    return best;
}

QString AppOptions::findResourceDir(const QString& programDir) {
    auto usable = [](const QString& dir) {
        return !dir.isEmpty() &&
               (QFileInfo(dir + "/Tolvane.db").isFile() || QFileInfo(dir + "/strings").isDir());
    };
    // The build tree's folder serves only programs inside that tree (tests, tools): an installed
    // copy built here must not quietly run on the build's files.
    const QString buildResources = QString::fromUtf8(TOLVANE_BUILD_RESOURCE_DIR);
    const QString buildTree = QDir(buildResources + "/..").canonicalPath();
    const bool inBuildTree = !buildResources.isEmpty() && !buildTree.isEmpty() &&
                             QDir(programDir).canonicalPath().startsWith(buildTree + "/");
    const QStringList candidates{
        qEnvironmentVariable("TOLVANE_RESOURCE_DIR"),
        programDir + "/../resources",     // build tree: build/app/tolvane
        programDir + "/../share/tolvane", // installed: <prefix>/bin/tolvane
        inBuildTree ? buildResources : QString(),
        QString::fromUtf8(TOLVANE_INSTALL_RESOURCE_DIR),
    };
    for (const auto& dir : candidates)
        if (usable(dir)) return QDir(dir).canonicalPath();
    return QDir(programDir + "/../resources").absolutePath();
}

} // namespace tolvane
