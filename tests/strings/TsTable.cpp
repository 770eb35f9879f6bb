#include "TsTable.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace tolvane {
namespace {

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

bool decodeReference(const std::string& name, std::string& out) {
    static const std::map<std::string, char> named{
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    if (auto it = named.find(name); it != named.end()) {
        out += it->second;
        return true;
    }
    if (name.size() < 2 || name[0] != '#') return false;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const char* first = name.data() + (hex ? 2 : 1);
    const char* last = name.data() + name.size();
    unsigned long cp = 0;
    auto [end, ec] = std::from_chars(first, last, cp, hex ? 16 : 10);
    if (ec != std::errc() || end != last || first == last || cp == 0 || cp > 0x10FFFF) return false;
    appendUtf8(out, cp);
    return true;
}

struct Tag {
    std::string name;
    std::map<std::string, std::string> attributes;
    bool closing = false;
    bool selfClosing = false;
};

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    TsTable run() {
        while (pos_ < text_.size()) {
            const size_t lt = text_.find('<', pos_);
            addText(text_.substr(pos_, (lt == std::string::npos ? text_.size() : lt) - pos_));
            if (lt == std::string::npos) break;
            advanceTo(lt);
            if (!markup()) break;
        }
        if (!stack_.empty()) error("element <" + stack_.back() + "> is not closed");
        return std::move(table_);
    }

private:
    void advanceTo(size_t to) {
        for (; pos_ < to && pos_ < text_.size(); ++pos_)
            if (text_[pos_] == '\n') ++line_;
    }

    void error(const std::string& what) {
        table_.errors.push_back("line " + std::to_string(line_) + ": " + what);
    }

    bool skipPast(const std::string& end) {
        const size_t at = text_.find(end, pos_);
        if (at == std::string::npos) {
            error("unterminated markup");
            return false;
        }
        advanceTo(at + end.size());
        return true;
    }

    bool markup() {
        if (text_.compare(pos_, 4, "<!--") == 0) return skipPast("-->");
        if (text_.compare(pos_, 9, "<![CDATA[") == 0) {
            const size_t end = text_.find("]]>", pos_);
            if (end == std::string::npos) {
                error("unterminated CDATA section");
                return false;
            }
            current_ += text_.substr(pos_ + 9, end - pos_ - 9);
            advanceTo(end + 3);
            return true;
        }
        if (text_.compare(pos_, 2, "<?") == 0) return skipPast("?>");
        if (text_.compare(pos_, 2, "<!") == 0) return skipPast(">");
        const int tagLine = line_;
        Tag tag;
        if (!readTag(tag)) return false;
        if (tag.closing)
            close(tag.name);
        else
            open(tag, tagLine);
        return true;
    }

    bool readTag(Tag& tag) {
        size_t i = pos_ + 1;
        if (i < text_.size() && text_[i] == '/') {
            tag.closing = true;
            ++i;
        }
        auto nameChar = [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' ||
                   c == ':' || c == '.';
        };
        size_t start = i;
        while (i < text_.size() && nameChar(text_[i]))
            ++i;
        tag.name = text_.substr(start, i - start);
        if (tag.name.empty()) {
            error("'<' that starts no element (write &lt;)");
            advanceTo(pos_ + 1);
            return true;
        }
        while (true) {
            while (i < text_.size() && std::isspace(static_cast<unsigned char>(text_[i])))
                ++i;
            if (i >= text_.size()) {
                error("unterminated tag <" + tag.name + ">");
                return false;
            }
            if (text_[i] == '>') {
                advanceTo(i + 1);
                return true;
            }
            if (text_.compare(i, 2, "/>") == 0) {
                tag.selfClosing = true;
                advanceTo(i + 2);
                return true;
            }
            start = i;
            while (i < text_.size() && nameChar(text_[i]))
                ++i;
            const std::string attr = text_.substr(start, i - start);
            while (i < text_.size() && std::isspace(static_cast<unsigned char>(text_[i])))
                ++i;
            if (attr.empty() || i >= text_.size() || text_[i] != '=') {
                error("malformed attribute in <" + tag.name + ">");
                return false;
            }
            ++i;
            while (i < text_.size() && std::isspace(static_cast<unsigned char>(text_[i])))
                ++i;
            if (i >= text_.size() || (text_[i] != '"' && text_[i] != '\'')) {
                error("unquoted attribute in <" + tag.name + ">");
                return false;
            }
            const char quote = text_[i];
            const size_t end = text_.find(quote, i + 1);
            if (end == std::string::npos) {
                error("unterminated attribute in <" + tag.name + ">");
                return false;
            }
            bool ok = true;
            tag.attributes[attr] = decodeXmlText(text_.substr(i + 1, end - i - 1), ok);
            if (!ok) error("bad character reference in an attribute of <" + tag.name + ">");
            i = end + 1;
        }
    }

    void open(const Tag& tag, int tagLine) {
        if (tag.name == "TS") {
            if (auto it = tag.attributes.find("language"); it != tag.attributes.end())
                table_.language = it->second;
        } else if (tag.name == "context") {
            context_.clear();
        } else if (tag.name == "message") {
            message_ = TsMessage{};
            message_.context = context_;
            message_.line = tagLine;
            inMessage_ = true;
        } else if (tag.name == "translation" && inMessage_) {
            if (auto it = tag.attributes.find("type"); it != tag.attributes.end())
                message_.type = it->second;
        }
        current_.clear();
        stack_.push_back(tag.name);
        if (tag.selfClosing) close(tag.name);
    }

    void close(const std::string& name) {
        if (stack_.empty() || stack_.back() != name) {
            error("</" + name + "> does not close " +
                  (stack_.empty() ? std::string("anything") : "<" + stack_.back() + ">"));
            return;
        }
        stack_.pop_back();
        const std::string parent = stack_.empty() ? "" : stack_.back();
        bool ok = true;
        if (name == "name" && parent == "context") {
            context_ = decodeXmlText(current_, ok);
            table_.contexts.push_back(context_);
        } else if (name == "source" && parent == "message") {
            message_.source = decodeXmlText(current_, ok);
        } else if (name == "translation" && parent == "message") {
            message_.translation = decodeXmlText(current_, ok);
        } else if (name == "message") {
            table_.messages.push_back(message_);
            inMessage_ = false;
        }
        if (!ok) error("unknown or unterminated entity in <" + name + "> (write & as &amp;)");
        current_.clear();
    }

    void addText(const std::string& text) { current_ += text; }

    const std::string& text_;
    size_t pos_ = 0;
    int line_ = 1;
    std::vector<std::string> stack_;
    std::string current_;
    std::string context_;
    TsMessage message_;
    bool inMessage_ = false;
    TsTable table_;
};

} // namespace

std::string decodeXmlText(const std::string& text, bool& ok) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const size_t semi = text.find(';', i);
        const size_t space = text.find_first_of(" \t\r\n&<", i + 1);
        if (semi == std::string::npos || (space != std::string::npos && space < semi) ||
            !decodeReference(text.substr(i + 1, semi - i - 1), out)) {
            ok = false;
            out += '&';
            continue;
        }
        i = semi;
    }
    return out;
}

TsTable parseTsText(const std::string& text) {
    return Parser(text).run();
}

TsTable readTsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        TsTable table;
        table.errors.push_back("cannot read " + path);
        return table;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return parseTsText(buffer.str());
}

} // namespace tolvane
