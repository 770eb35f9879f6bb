// The user-defaults store in an INI file (QSettings). Values keep their type: each is
// written with a type tag, so a one-element list or an integer comes back as it went in.
#pragma once

#include "platform/UserDefaults.h"

#include <QSettings>
#include <QString>

#include <mutex>

namespace tolvane {

class QtUserDefaults : public UserDefaults {
public:
    explicit QtUserDefaults(const QString& filePath);

    std::optional<DefaultsValue> stored(const std::string& key) const override;
    void store(const std::string& key, const DefaultsValue& value) override;
    void remove(const std::string& key) override;
    void synchronize() override;

    QString filePath() const { return settings_.fileName(); }

    static QString encode(const DefaultsValue& value);
    static std::optional<DefaultsValue> decode(const QString& text);

private:
    mutable std::mutex mutex_;
    mutable QSettings settings_;
};

} // namespace tolvane
