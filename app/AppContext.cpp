#include "app/AppContext.h"

#include "app/platform/FileAnalytics.h"
#include "app/platform/QtUrlOpener.h"
#include "platform/BuildConfig.h"
#include "screens/settings/LanguageRule.h"

#include <QDir>
#include <QLocale>

namespace tolvane {

Platform AppContext::platform() {
    return {*defaults, *strings, *alerts, *analytics, *log, *dispatcher, *urls};
}

StoreLocations AppContext::locations() const {
    return {options.documentsDir.toStdString(), options.resourceDir.toStdString()};
}

LinkTargets AppContext::links() const {
    return {options.resourceDir.toStdString(), config::updateMail, config::supportMail,
            config::foodLabelPage};
}

DefaultsList AppContext::deviceLanguages() {
    DefaultsList names;
    for (const auto& name : QLocale::system().uiLanguages())
        names.push_back(name.toStdString());
    return reduceToLanguageCodes(names);
}

std::unique_ptr<AppContext> AppContext::create(AppOptions options, std::unique_ptr<Log> log,
                                               const DefaultsList& deviceLanguages) {
    auto context = std::make_unique<AppContext>();
    QDir().mkpath(options.documentsDir);
    context->log = std::move(log);
    context->devicePreferred = deviceLanguages;
    context->defaults = std::make_unique<QtUserDefaults>(options.defaultsFile);
    if (isInterfaceLanguage(options.language.toStdString()))
        context->language = options.language;
    else
        context->language =
            QString::fromStdString(applyEntryStep(*context->defaults, deviceLanguages));
    context->strings = std::make_unique<QtStrings>(options.resourceDir + "/strings",
                                                   context->language, *context->log);
    context->strings->install();
    context->alerts = std::make_unique<QtAlerts>(*context->strings);
    context->analytics =
        std::make_unique<FileAnalytics>((options.documentsDir + "/analytics.jsonl").toStdString());
    context->dispatcher = std::make_unique<QtDispatcher>();
    context->urls = std::make_unique<QtUrlOpener>();
    context->pictures = std::make_unique<Pictures>(options.resourceDir, *context->log);
    context->options = std::move(options);
    return context;
}

} // namespace tolvane
