#include "tools/catalogue/CatalogueSourceReader.h"

#include "text/SplitFields.h"
#include "text/Utf8.h"
#include "tools/catalogue/CatalogueError.h"

#include <charconv>
#include <fstream>
#include <set>

namespace tolvane {
namespace {

bool parseId(const std::string& text, long long& value) {
    if (text.empty() || text.size() > 18) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// "YYYY-MM-DD HH:MM:SS": compared as text when the newest record is looked for.
bool isTimestamp(const std::string& text) {
    static const std::string shape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != shape.size()) return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i]) return false;
    }
    return true;
}

class LineSource {
public:
    LineSource(std::istream& in, std::string label) : in_(in), label_(std::move(label)) {}

    // Next line without its line end; false at the end of the input.
    bool next(std::string& line) {
        if (!std::getline(in_, line)) return false;
        ++number_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        return true;
    }

    bool atEnd() { return in_.peek() == std::char_traits<char>::eof(); }

    [[noreturn]] void fail(const std::string& message) const {
        throw CatalogueError(label_ + ":" + std::to_string(number_) + ": " + message);
    }

    void checkLine(const std::string& line) const {
        if (!isValidUtf8(line)) fail("text is not valid UTF-8");
        for (char c : line)
            if (c == '\r' || c == '\0') fail("line contains a control character");
    }

private:
    std::istream& in_;
    std::string label_;
    int number_ = 0;
};

std::ifstream openFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CatalogueError(path.string() + ": cannot be opened");
    return in;
}

} // namespace

std::vector<CatalogueCategory> CatalogueSourceReader::readCategories(std::istream& in,
                                                                     const std::string& label) {
    LineSource lines(in, label);
    std::string line;
    if (!lines.next(line) || line != "Recordid\tCategory")
        lines.fail("the first line must be the header \"Recordid<TAB>Category\"");

    std::vector<CatalogueCategory> categories;
    std::set<int> ids;
    std::set<std::string> names;
    while (lines.next(line)) {
        if (line.empty() && lines.atEnd()) break;
        lines.checkLine(line);
        const auto parts = splitFields(line, '\t');
        if (parts.size() != 2)
            lines.fail("expected 2 tab-separated values, found " + std::to_string(parts.size()));
        long long id = 0;
        if (!parseId(parts[0], id) || id < 1 || id > 1000000)
            lines.fail("category id \"" + parts[0] + "\" is not a positive whole number");
        if (parts[1].empty()) lines.fail("category name is empty");
        if (!ids.insert(static_cast<int>(id)).second)
            lines.fail("duplicate category id " + parts[0]);
        if (!names.insert(parts[1]).second)
            lines.fail("duplicate category name \"" + parts[1] + "\"");
        categories.push_back({static_cast<int>(id), parts[1]});
    }
    if (categories.empty()) throw CatalogueError(label + ": no categories");
    return categories;
}

std::vector<CatalogueRecord> CatalogueSourceReader::readProducts(std::istream& in,
                                                                 const std::string& label) {
    LineSource lines(in, label);
    std::string expected;
    for (const char* key : catalogueRecordKeys) {
        if (!expected.empty()) expected += '\t';
        expected += key;
    }
    std::string line;
    if (!lines.next(line) || line != expected)
        lines.fail("the first line must be the header of the 25 catalogue keys, starting with "
                   "\"Produktname\" and ending with \"ID\"");

    std::vector<CatalogueRecord> products;
    std::set<long long> ids;
    while (lines.next(line)) {
        if (line.empty() && lines.atEnd()) break;
        lines.checkLine(line);
        auto parts = splitFields(line, '\t');
        if (parts.size() != catalogueRecordKeys.size())
            lines.fail("expected " + std::to_string(catalogueRecordKeys.size()) +
                       " tab-separated values, found " + std::to_string(parts.size()));
        CatalogueRecord product;
        if (!parseId(parts.back(), product.id) || product.id < 1)
            lines.fail("ID \"" + parts.back() + "\" is not a positive whole number");
        if (product.id >= firstOwnProductId)
            lines.fail("ID " + parts.back() + " is reserved for products the user enters (IDs " +
                       "must be below " + std::to_string(firstOwnProductId) + ")");
        if (!ids.insert(product.id).second) lines.fail("duplicate ID " + parts.back());
        for (std::size_t i = 0; i < catalogueFieldCount; ++i)
            product.fields[i] = std::move(parts[i]);
        if (product[CatalogueField::Name].empty())
            lines.fail("product " + parts.back() + " has no name");
        const std::string& date = product[CatalogueField::InclusionDate];
        if (!isTimestamp(date))
            lines.fail("Aufnahmedatum \"" + date + "\" is not of the form YYYY-MM-DD HH:MM:SS");
        products.push_back(std::move(product));
    }
    return products;
}

std::vector<CatalogueCategory>
CatalogueSourceReader::readCategoriesFile(const std::filesystem::path& path) {
    auto in = openFile(path);
    return readCategories(in, path.string());
}

std::vector<CatalogueRecord>
CatalogueSourceReader::readProductsFile(const std::filesystem::path& path) {
    auto in = openFile(path);
    return readProducts(in, path.string());
}

void CatalogueSourceReader::checkConsistency(const CatalogueSource& source) {
    std::set<std::string> categoryIds;
    for (const auto& category : source.categories)
        categoryIds.insert(std::to_string(category.id));
    std::set<long long> ids;
    for (const auto& product : source.products) {
        if (!ids.insert(product.id).second)
            throw CatalogueError("duplicate ID " + std::to_string(product.id));
        if (product.id < 1 || product.id >= firstOwnProductId)
            throw CatalogueError("ID " + std::to_string(product.id) + " is out of range");
        if (!categoryIds.contains(product[CatalogueField::Category]))
            throw CatalogueError("product " + std::to_string(product.id) + " names category \"" +
                                 product[CatalogueField::Category] + "\", which does not exist");
    }
}

} // namespace tolvane
