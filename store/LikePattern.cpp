#include "store/LikePattern.h"

#include "text/Utf8.h"

namespace tolvane {

namespace {

// SQLite refuses longer LIKE patterns, so its query returns no row.
constexpr std::size_t kMaxPatternBytes = 50000;

constexpr char32_t kAny = U'%';
constexpr char32_t kOne = U'_';

char32_t lowerAscii(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c;
}

// Reads one character as SQLite does: a lead byte and the continuation bytes after it, even
// where the sequence is not well formed.
char32_t readChar(std::string_view text, std::size_t& at) {
    auto c = static_cast<unsigned char>(text[at++]);
    if (c < 0xC0) return c;
    char32_t value = c;
    while (at < text.size() && isContinuationByte(text[at]))
        value = (value << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return value;
}

// The first byte of the last character of a text.
char lastLead(std::string_view text) {
    std::size_t at = text.size() - 1;
    while (at > 0 && isContinuationByte(text[at]))
        --at;
    return text[at];
}

bool sameChar(char32_t pattern, char32_t text) {
    if (pattern == text) return true;
    return pattern < 0x80 && text < 0x80 && lowerAscii(pattern) == lowerAscii(text);
}

} // namespace

LikePattern::LikePattern(std::string_view pattern) {
    if (pattern.size() > kMaxPatternBytes) {
        kind_ = Kind::Nothing;
        return;
    }
    for (std::size_t at = 0; at < pattern.size();)
        chars_.push_back(readChar(pattern, at));

    // The common search pattern is a literal followed by "%": a plain prefix comparison.
    std::size_t literal = 0;
    while (literal < chars_.size() && chars_[literal] != kAny && chars_[literal] != kOne)
        ++literal;
    bool restIsAny = literal < chars_.size();
    for (std::size_t i = literal; i < chars_.size(); ++i)
        restIsAny = restIsAny && chars_[i] == kAny;
    if (restIsAny) {
        kind_ = Kind::Prefix;
        // Only the prefix's bytes are needed; non-ASCII bytes compare exactly.
        std::size_t bytes = pattern.find_first_of("%_");
        prefix_.assign(pattern.substr(0, bytes));
        for (char& c : prefix_)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        prefixEndsInSequence_ = literal > 0 && chars_[literal - 1] >= 0x80 && !prefix_.empty() &&
                                static_cast<unsigned char>(lastLead(prefix_)) >= 0xC0;
        return;
    }

    // The live search's pattern: "%", a literal, "%"s. A byte search finds it, as long as the
    // literal does not start with a stray continuation byte (that one would only match where
    // the text's characters split differently).
    std::size_t begin = 0;
    while (begin < chars_.size() && chars_[begin] == kAny)
        ++begin;
    std::size_t end = begin;
    while (end < chars_.size() && chars_[end] != kAny && chars_[end] != kOne)
        ++end;
    bool tailIsAny = begin > 0 && end > begin && end < chars_.size();
    for (std::size_t i = end; i < chars_.size() && tailIsAny; ++i)
        tailIsAny = chars_[i] == kAny;
    if (!tailIsAny) {
        // A general pattern after leading "%"s starts only where its first character stands;
        // a character's first byte tells it (a continuation byte never starts one).
        afterAny_ = begin;
        if (begin > 0 && begin < chars_.size() && chars_[begin] != kOne) {
            const std::size_t at = pattern.find_first_not_of('%');
            const char byte = pattern[at];
            if (!isContinuationByte(byte))
                firstByte_ =
                    byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
        }
        return;
    }
    const std::size_t first = pattern.find_first_not_of('%');
    const std::size_t last = pattern.find_first_of("%_", first);
    prefix_.assign(pattern.substr(first, last - first));
    if (isContinuationByte(prefix_[0])) return;
    for (char& c : prefix_)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    prefixEndsInSequence_ =
        chars_[end - 1] >= 0x80 && static_cast<unsigned char>(lastLead(prefix_)) >= 0xC0;
    // For each length matched, how much of the literal a mismatch after it still leaves matched.
    fallback_.assign(prefix_.size(), 0);
    for (std::size_t i = 1, k = 0; i < prefix_.size(); ++i) {
        while (k > 0 && prefix_[i] != prefix_[k])
            k = fallback_[k - 1];
        if (prefix_[i] == prefix_[k]) ++k;
        fallback_[i] = k;
    }
    kind_ = Kind::Contains;
}

bool LikePattern::literalAt(std::string_view text, std::size_t at) const {
    for (std::size_t i = 0; i < prefix_.size(); ++i) {
        char c = text[at + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix_[i]) return false;
    }
    // A continuation byte after the literal would belong to its last character.
    const std::size_t after = at + prefix_.size();
    return !(prefixEndsInSequence_ && text.size() > after && isContinuationByte(text[after]));
}

bool LikePattern::matches(std::string_view text) const {
    switch (kind_) {
    case Kind::Nothing:
        return false;
    case Kind::Prefix:
        return text.size() >= prefix_.size() && literalAt(text, 0);
    case Kind::Contains: {
        // Every place the literal stands, in one pass over the text (Knuth-Morris-Pratt), so that
        // a long text costs its length and not its length times the literal's.
        std::size_t matched = 0;
        for (std::size_t at = 0; at < text.size(); ++at) {
            char c = text[at];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            while (matched > 0 && c != prefix_[matched])
                matched = fallback_[matched - 1];
            if (c == prefix_[matched]) ++matched;
            if (matched < prefix_.size()) continue;
            // A continuation byte after the literal would belong to its last character.
            if (!(prefixEndsInSequence_ && at + 1 < text.size() &&
                  isContinuationByte(text[at + 1])))
                return true;
            matched = fallback_[matched - 1];
        }
        return false;
    }
    case Kind::General:
        break;
    }

    if (firstByte_ == 0) return matchFrom(text, 0, 0) == Tried::Matched;
    // Only from where the first literal character stands: a byte search instead of a step of
    // the matcher at every position.
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != firstByte_) continue;
        switch (matchFrom(text, afterAny_, at)) {
        case Tried::Matched:
            return true;
        case Tried::Never:
            return false;
        case Tried::NotHere:
            break;
        }
    }
    return false;
}

LikePattern::Tried LikePattern::matchFrom(std::string_view text, std::size_t p,
                                          std::size_t t) const {
    // Wildcard matching with a single back-track point: on a mismatch, the last "%" takes one
    // more character. Linear in practice and never exponential, whatever the user types. Once
    // a "%" was passed, a later start leaves less text to the same rest: it cannot match.
    std::size_t starP = std::string_view::npos;
    std::size_t starT = 0;
    while (t < text.size()) {
        if (p < chars_.size() && chars_[p] == kAny) {
            starP = ++p;
            starT = t;
            continue;
        }
        std::size_t next = t;
        char32_t c = readChar(text, next);
        if (p < chars_.size() && (chars_[p] == kOne || sameChar(chars_[p], c))) {
            ++p;
            t = next;
            continue;
        }
        if (starP == std::string_view::npos) return Tried::NotHere;
        p = starP;
        readChar(text, starT);
        t = starT;
    }
    while (p < chars_.size() && chars_[p] == kAny)
        ++p;
    if (p == chars_.size()) return Tried::Matched;
    return starP == std::string_view::npos ? Tried::NotHere : Tried::Never;
}

} // namespace tolvane
