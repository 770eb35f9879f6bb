#include "UserDefaults.h"

#include "text/IntegerValue.h"

namespace tolvane {

std::optional<DefaultsValue> UserDefaults::value(const std::string& key) const {
    if (auto v = stored(key)) return v;
    std::lock_guard lock(registeredMutex_);
    if (auto it = registered_.find(key); it != registered_.end()) return it->second;
    return std::nullopt;
}

bool UserDefaults::hasValue(const std::string& key) const {
    return value(key).has_value();
}

bool UserDefaults::boolForKey(const std::string& key) const {
    auto v = value(key);
    if (!v) return false;
    if (auto b = std::get_if<bool>(&*v)) return *b;
    if (auto i = std::get_if<int>(&*v)) return *i != 0;
    if (auto s = std::get_if<std::string>(&*v)) {
        if (s->empty()) return false;
        char c = (*s)[0];
        return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
    }
    return false;
}

int UserDefaults::integerForKey(const std::string& key) const {
    auto v = value(key);
    if (!v) return 0;
    if (auto b = std::get_if<bool>(&*v)) return *b ? 1 : 0;
    if (auto i = std::get_if<int>(&*v)) return *i;
    if (auto s = std::get_if<std::string>(&*v)) return integerValue(*s);
    return 0;
}

std::string UserDefaults::stringForKey(const std::string& key) const {
    auto v = value(key);
    if (!v) return {};
    if (auto s = std::get_if<std::string>(&*v)) return *s;
    if (auto i = std::get_if<int>(&*v)) return std::to_string(*i);
    if (auto b = std::get_if<bool>(&*v)) return *b ? "1" : "0";
    return {};
}

DefaultsList UserDefaults::listForKey(const std::string& key) const {
    auto v = value(key);
    if (!v) return {};
    if (auto l = std::get_if<DefaultsList>(&*v)) return *l;
    return {};
}

void UserDefaults::registerDefaults(const std::map<std::string, DefaultsValue>& defaults) {
    std::lock_guard lock(registeredMutex_);
    for (const auto& [key, v] : defaults)
        registered_[key] = v;
}

std::optional<DefaultsValue> MemoryUserDefaults::stored(const std::string& key) const {
    std::lock_guard lock(mutex_);
    if (auto it = values_.find(key); it != values_.end()) return it->second;
    return std::nullopt;
}

void MemoryUserDefaults::store(const std::string& key, const DefaultsValue& value) {
    std::lock_guard lock(mutex_);
    values_[key] = value;
}

void MemoryUserDefaults::remove(const std::string& key) {
    std::lock_guard lock(mutex_);
    values_.erase(key);
}

} // namespace tolvane
