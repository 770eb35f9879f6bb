#include "app/platform/QtStrings.h"

#include <QCoreApplication>

namespace tolvane {

QtStrings::QtStrings(const QString& directory, const QString& language, Log& log)
    : language_(language) {
    const QString file = directory + "/tolvane_" + language + ".qm";
    loaded_ = translator_.load(file);
    if (!loaded_) log.write("String table not found: " + file.toStdString());
}

std::string QtStrings::text(const std::string& key) const {
    if (key.empty()) return key;
    const QString found = translator_.translate("Tolvane", key.c_str());
    return found.isEmpty() ? key : found.toStdString();
}

void QtStrings::install() {
    if (loaded_ && QCoreApplication::instance()) QCoreApplication::installTranslator(&translator_);
}

} // namespace tolvane
