// The user-defaults store: flags and last choices kept between runs.
// Registered defaults answer only while no value is stored under the key.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tolvane {

using DefaultsList = std::vector<std::string>;
using DefaultsValue = std::variant<bool, int, std::string, DefaultsList>;

class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    // Typed reads: the stored value, else the registered default, else false/0/""/{}.
    // A value of another type is converted where that is meaningful ("YES"/"1" read as true).
    bool boolForKey(const std::string& key) const;
    int integerForKey(const std::string& key) const;
    std::string stringForKey(const std::string& key) const;
    DefaultsList listForKey(const std::string& key) const;
    // True when a value is stored or registered.
    bool hasValue(const std::string& key) const;

    void setBool(const std::string& key, bool value) { store(key, value); }
    void setInteger(const std::string& key, int value) { store(key, value); }
    void setString(const std::string& key, const std::string& value) { store(key, value); }
    void setList(const std::string& key, const DefaultsList& value) { store(key, value); }

    void registerDefaults(const std::map<std::string, DefaultsValue>& defaults);
    std::optional<DefaultsValue> value(const std::string& key) const;

    // The backend's own operations.
    virtual std::optional<DefaultsValue> stored(const std::string& key) const = 0;
    virtual void store(const std::string& key, const DefaultsValue& value) = 0;
    virtual void remove(const std::string& key) = 0;
    virtual void synchronize() = 0;

private:
    mutable std::mutex registeredMutex_;
    std::map<std::string, DefaultsValue> registered_;
};

// Keeps everything in memory, for tests.
class MemoryUserDefaults : public UserDefaults {
public:
    std::optional<DefaultsValue> stored(const std::string& key) const override;
    void store(const std::string& key, const DefaultsValue& value) override;
    void remove(const std::string& key) override;
    void synchronize() override { ++synchronizeCount_; }
    int synchronizeCount() const { return synchronizeCount_; }

private:
    mutable std::mutex mutex_;
    std::map<std::string, DefaultsValue> values_;
    int synchronizeCount_ = 0;
};

} // namespace tolvane
