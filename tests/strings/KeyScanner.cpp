#include "KeyScanner.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane {
namespace {

enum class Kind { Identifier, Literal, Punct, Other };

struct Token {
    Kind kind;
    std::string text; // identifier, punctuation, or the decoded literal value
    int line;
};

bool identStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool identChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

void appendUtf8(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Lexer {
public:
    explicit Lexer(const std::string& s) : s_(s) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '\n') {
                ++line_;
                ++i_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++i_;
            } else if (s_.compare(i_, 2, "//") == 0) {
                while (i_ < s_.size() && s_[i_] != '\n')
                    ++i_;
            } else if (s_.compare(i_, 2, "/*") == 0) {
                const size_t end = s_.find("*/", i_ + 2);
                skipTo(end == std::string::npos ? s_.size() : end + 2);
            } else if (identStart(c)) {
                lexWordOrLiteral(tokens);
            } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                       (c == '.' && i_ + 1 < s_.size() &&
                        std::isdigit(static_cast<unsigned char>(s_[i_ + 1])))) {
                lexNumber();
            } else if (c == '"') {
                lexString(tokens, "");
            } else if (c == '\'') {
                lexChar();
            } else if (s_.compare(i_, 2, "->") == 0 || s_.compare(i_, 2, "::") == 0) {
                tokens.push_back({Kind::Punct, s_.substr(i_, 2), line_});
                i_ += 2;
            } else {
                tokens.push_back({Kind::Punct, std::string(1, c), line_});
                ++i_;
            }
        }
        return tokens;
    }

private:
    void skipTo(size_t to) {
        for (; i_ < to && i_ < s_.size(); ++i_)
            if (s_[i_] == '\n') ++line_;
    }

    void lexWordOrLiteral(std::vector<Token>& tokens) {
        const size_t start = i_;
        while (i_ < s_.size() && identChar(s_[i_]))
            ++i_;
        const std::string word = s_.substr(start, i_ - start);
        static const char* prefixes[] = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"};
        const bool isPrefix =
            std::find_if(std::begin(prefixes), std::end(prefixes),
                         [&](const char* p) { return word == p; }) != std::end(prefixes);
        if (isPrefix && i_ < s_.size() && s_[i_] == '"') {
            lexString(tokens, word);
        } else if (isPrefix && word.find('R') == std::string::npos && i_ < s_.size() &&
                   s_[i_] == '\'') {
            lexChar();
        } else {
            tokens.push_back({Kind::Identifier, word, line_});
        }
    }

    void lexNumber() {
        // pp-number: digits, letters, dots, digit separators and exponent signs
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if ((c == '+' || c == '-') && i_ > 0 &&
                std::string("eEpP").find(s_[i_ - 1]) != std::string::npos) {
                ++i_;
            } else if (identChar(c) || c == '.') {
                ++i_;
            } else if (c == '\'' && i_ + 1 < s_.size() && identChar(s_[i_ + 1])) {
                ++i_;
            } else {
                break;
            }
        }
    }

    void lexChar() {
        ++i_; // opening quote
        while (i_ < s_.size() && s_[i_] != '\'' && s_[i_] != '\n') {
            if (s_[i_] == '\\') ++i_;
            ++i_;
        }
        if (i_ < s_.size() && s_[i_] == '\'') ++i_;
    }

    void lexString(std::vector<Token>& tokens, const std::string& prefix) {
        const int line = line_;
        if (prefix.find('R') != std::string::npos) {
            const size_t open = s_.find('(', i_ + 1);
            if (open == std::string::npos) {
                skipTo(s_.size());
                return;
            }
            const std::string delimiter = ")" + s_.substr(i_ + 1, open - i_ - 1) + "\"";
            const size_t end = s_.find(delimiter, open + 1);
            const size_t stop = end == std::string::npos ? s_.size() : end;
            tokens.push_back({Kind::Literal, s_.substr(open + 1, stop - open - 1), line});
            skipTo(end == std::string::npos ? s_.size() : end + delimiter.size());
            return;
        }
        size_t j = i_ + 1;
        while (j < s_.size() && s_[j] != '"' && s_[j] != '\n') {
            if (s_[j] == '\\') ++j;
            ++j;
        }
        tokens.push_back({Kind::Literal, decodeCppLiteral(s_.substr(i_ + 1, j - i_ - 1)), line});
        skipTo(j < s_.size() && s_[j] == '"' ? j + 1 : j);
    }

    const std::string& s_;
    size_t i_ = 0;
    int line_ = 1;
};

// Joins adjacent literals starting at tokens[i]; i moves past them.
bool takeLiteral(const std::vector<Token>& t, size_t& i, std::string& value, int& line) {
    if (i >= t.size() || t[i].kind != Kind::Literal) return false;
    line = t[i].line;
    value.clear();
    while (i < t.size() && t[i].kind == Kind::Literal)
        value += t[i++].text;
    return true;
}

bool isPunct(const std::vector<Token>& t, size_t i, const char* p) {
    return i < t.size() && t[i].kind == Kind::Punct && t[i].text == p;
}

// Every non-empty literal between the bracket at open and its partner.
void literalsInGroup(const std::vector<Token>& t, size_t open, const std::string& file,
                     std::vector<KeyUse>& out) {
    int depth = 0;
    for (size_t i = open; i < t.size();) {
        if (t[i].kind == Kind::Punct &&
            (t[i].text == "{" || t[i].text == "(" || t[i].text == "[")) {
            ++depth;
        } else if (t[i].kind == Kind::Punct &&
                   (t[i].text == "}" || t[i].text == ")" || t[i].text == "]")) {
            if (--depth == 0) return;
        } else if (t[i].kind == Kind::Literal) {
            std::string value;
            int line = 0;
            takeLiteral(t, i, value, line);
            if (!value.empty()) out.push_back({value, file, line});
            continue;
        }
        ++i;
    }
}

} // namespace

std::string decodeCppLiteral(const std::string& body) {
    std::string out;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\\' || i + 1 >= body.size()) {
            out += body[i];
            continue;
        }
        const char e = body[++i];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'a':
            out += '\a';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'v':
            out += '\v';
            break;
        case 'x': {
            unsigned value = 0;
            size_t j = i + 1;
            for (; j < body.size() && hexValue(body[j]) >= 0; ++j)
                value = value * 16 + static_cast<unsigned>(hexValue(body[j]));
            out += static_cast<char>(value & 0xFF);
            i = j - 1;
            break;
        }
        case 'u':
        case 'U': {
            const size_t digits = e == 'u' ? 4 : 8;
            unsigned long cp = 0;
            size_t j = i + 1;
            for (; j < body.size() && j < i + 1 + digits && hexValue(body[j]) >= 0; ++j)
                cp = cp * 16 + static_cast<unsigned long>(hexValue(body[j]));
            appendUtf8(out, cp);
            i = j - 1;
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                unsigned value = 0;
                size_t j = i;
                for (; j < body.size() && j < i + 3 && body[j] >= '0' && body[j] <= '7'; ++j)
                    value = value * 8 + static_cast<unsigned>(body[j] - '0');
                out += static_cast<char>(value & 0xFF);
                i = j - 1;
            } else {
                out += e; // \" \\ \' \?
            }
        }
    }
    return out;
}

std::vector<KeyUse> scanKeys(const std::string& source, const std::string& file) {
    const std::vector<Token> t = Lexer(source).run();
    std::vector<KeyUse> out;
    auto memberAccess = [&](size_t i) {
        return i > 0 && (isPunct(t, i - 1, ".") || isPunct(t, i - 1, "->"));
    };
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].kind != Kind::Identifier) continue;
        const std::string& word = t[i].text;
        if ((word == "key" && !memberAccess(i)) || (word == "text" && memberAccess(i))) {
            // key("…") and .text("…") / ->text("…"): a literal that is the whole argument
            size_t j = i + 1;
            if (!isPunct(t, j, "(")) continue;
            ++j;
            std::string value;
            int line = 0;
            if (takeLiteral(t, j, value, line) && isPunct(t, j, ")"))
                out.push_back({value, file, line});
        } else if (word == "show" && memberAccess(i)) {
            if (isPunct(t, i + 1, "(") && isPunct(t, i + 2, "{"))
                literalsInGroup(t, i + 2, file, out);
        } else if (word == "AlertRequest") {
            if (i > 0 && t[i - 1].kind == Kind::Identifier &&
                (t[i - 1].text == "struct" || t[i - 1].text == "class"))
                continue;
            size_t j = i + 1;
            if (j < t.size() && t[j].kind == Kind::Identifier) // AlertRequest name{…}
                ++j;
            if (isPunct(t, j, "=")) ++j;
            if (isPunct(t, j, "{") || isPunct(t, j, "(")) literalsInGroup(t, j, file, out);
        }
    }
    return out;
}

std::vector<KeyUse> scanKeyFolders(const std::string& root,
                                   const std::vector<std::string>& folders) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const std::string& folder : folders) {
        const fs::path dir = fs::path(root) / folder;
        std::error_code ec;
        if (!fs::is_directory(dir, ec)) continue;
        for (auto it = fs::recursive_directory_iterator(dir, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            const fs::path& p = it->path();
            const std::string name = p.filename().string();
            if (it->is_directory() && (name == "tests" || name == "test")) {
                it.disable_recursion_pending();
                continue;
            }
            const std::string ext = p.extension().string();
            if (!it->is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            const std::string stem = p.stem().string();
            if (stem.size() > 4 && (stem.ends_with("Test") || stem.ends_with("Tests"))) continue;
            files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<KeyUse> out;
    for (const fs::path& p : files) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream buffer;
        buffer << in.rdbuf();
        const std::string relative = fs::relative(p, root).generic_string();
        for (KeyUse& use : scanKeys(buffer.str(), relative))
            out.push_back(std::move(use));
    }
    return out;
}

} // namespace tolvane
