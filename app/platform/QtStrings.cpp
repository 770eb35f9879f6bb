#include "app/platform/QtStrings.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tolvane {

QtStrings::QtStrings(const QString& directory, const QString& language, Log& log)
    : language_(language) {
    const QString file = directory + "/tolvane_" + language + ".qm";
    loaded_ = translator_.load(file);
    if (!loaded_) log.warn("String table not found: " + file.toStdString());
    qtLoaded_ = qtTranslator_.load("qtbase_" + language,
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!qtLoaded_) log.warn("Qt's string table not found for " + language.toStdString());
}

std::string QtStrings::text(const std::string& key) const {
    if (key.empty()) return key;
    const QString found = translator_.translate("Tolvane", key.c_str());
    return found.isEmpty() ? key : found.toStdString();
}

void QtStrings::install() {
    if (!QCoreApplication::instance()) return;
    if (qtLoaded_) QCoreApplication::installTranslator(&qtTranslator_);
    if (loaded_) QCoreApplication::installTranslator(&translator_);
}

} // namespace tolvane
