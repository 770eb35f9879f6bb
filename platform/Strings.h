// String tables: every visible text is a key looked up for the interface language.
#pragma once

#include <map>
#include <string>

namespace tolvane {

class Strings {
public:
    virtual ~Strings() = default;
    // The text for the key; the key itself when the table has none.
    virtual std::string text(const std::string& key) const = 0;
};

class MemoryStrings : public Strings {
public:
    std::string text(const std::string& key) const override;
    void set(const std::string& key, const std::string& text) { texts_[key] = text; }

private:
    std::map<std::string, std::string> texts_;
};

} // namespace tolvane
