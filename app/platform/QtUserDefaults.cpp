#include "app/platform/QtUserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tolvane {
namespace {

// Keys are stored as they are, but "/" and "\" would make QSettings groups.
QString settingsKey(const std::string& key) {
    QString k = QString::fromStdString(key);
    k.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    k.replace(QLatin1Char('/'), QLatin1String("\\s"));
    return k;
}

} // namespace

QtUserDefaults::QtUserDefaults(const QString& filePath)
    : settings_(filePath, QSettings::IniFormat) {}

QString QtUserDefaults::encode(const DefaultsValue& value) {
    if (auto b = std::get_if<bool>(&value)) return *b ? "bool:YES" : "bool:NO";
    if (auto i = std::get_if<int>(&value)) return "int:" + QString::number(*i);
    if (auto s = std::get_if<std::string>(&value)) return "text:" + QString::fromStdString(*s);
    QJsonArray array;
    for (const auto& item : std::get<DefaultsList>(value))
        array.append(QString::fromStdString(item));
    return "list:" + QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::optional<DefaultsValue> QtUserDefaults::decode(const QString& text) {
    const auto colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) return std::nullopt;
    const QString tag = text.left(colon);
    const QString body = text.mid(colon + 1);
    if (tag == "bool") return body == "YES";
    if (tag == "int") {
        bool ok = false;
        int v = body.toInt(&ok);
        return ok ? std::optional<DefaultsValue>(v) : std::nullopt;
    }
    if (tag == "text") return body.toStdString();
    if (tag == "list") {
        auto doc = QJsonDocument::fromJson(body.toUtf8());
        if (!doc.isArray()) return std::nullopt;
        DefaultsList list;
        for (const auto& item : doc.array())
            list.push_back(item.toString().toStdString());
        return list;
    }
    return std::nullopt;
}

std::optional<DefaultsValue> QtUserDefaults::stored(const std::string& key) const {
    std::lock_guard lock(mutex_);
    QVariant v = settings_.value(settingsKey(key));
    if (!v.isValid()) return std::nullopt;
    return decode(v.toString());
}

void QtUserDefaults::store(const std::string& key, const DefaultsValue& value) {
    std::lock_guard lock(mutex_);
    settings_.setValue(settingsKey(key), encode(value));
}

void QtUserDefaults::remove(const std::string& key) {
    std::lock_guard lock(mutex_);
    settings_.remove(settingsKey(key));
}

void QtUserDefaults::synchronize() {
    std::lock_guard lock(mutex_);
    settings_.sync();
}

} // namespace tolvane
