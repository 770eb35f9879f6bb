// The store's LIKE comparison done in memory, so a list already read can be filtered without
// asking SQLite again. It answers exactly as SQLite's built-in LIKE without ESCAPE: "%" matches
// any run of characters, "_" one character (a whole UTF-8 sequence), ASCII letters match in
// either case and every other character only itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class LikePattern {
public:
    explicit LikePattern(std::string_view pattern);

    bool matches(std::string_view text) const;
    // For a pattern "%literal%": the literal's bytes, ASCII lower-cased, that every text it
    // matches holds (a search may look for them first); empty for every other pattern.
    std::string_view containedLiteral() const {
        return kind_ == Kind::Contains ? std::string_view(prefix_) : std::string_view();
    }

private:
    // Whether the literal (prefix_) stands in text at byte position at.
    bool literalAt(std::string_view text, std::size_t at) const;
    enum class Tried { Matched, NotHere, Never };
    // General: chars_ from p on matched against text from t on; Never once a later start
    // cannot match either.
    Tried matchFrom(std::string_view text, std::size_t p, std::size_t t) const;

private:
    enum class Kind { Prefix, Contains, General, Nothing };
    Kind kind_ = Kind::General;
    // Prefix: the lower-cased literal bytes before a single trailing run of "%".
    // Contains: the lower-cased literal bytes between a leading and a trailing run of "%".
    std::string prefix_;
    bool prefixEndsInSequence_ = false;
    // Contains: the literal's failure table, for a search linear in the text.
    std::vector<std::size_t> fallback_;
    // General: the pattern as characters; '%' and '_' are wildcards.
    std::vector<char32_t> chars_;
    // General after leading "%"s: where in chars_ the pattern goes on, and the first byte (ASCII
    // lower-cased) a text must hold there when that is a literal character; else 0.
    std::size_t afterAny_ = 0;
    char firstByte_ = 0;
};

} // namespace tolvane
