#include "server/Tsv.h"

#include "server/Timestamp.h"
#include "text/SplitFields.h"

#include <charconv>

namespace tolvane::server {

namespace {

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string location(std::string_view sourceName, int lineNumber) {
    return std::string(sourceName) + ":" + std::to_string(lineNumber) + ": ";
}

} // namespace

std::optional<std::string> identifierProblem(std::string_view text, long long& id) {
    std::string_view digits = trimSpaces(text);
    if (digits.empty()) return "the identifier is empty";
    const char* end = digits.data() + digits.size();
    auto [ptr, ec] = std::from_chars(digits.data(), end, id);
    if (ec == std::errc::result_out_of_range ||
        (ec == std::errc() && ptr == end && id >= firstOwnProductId))
        return "identifier " + std::string(digits) + " is reserved for own products (" +
               std::to_string(firstOwnProductId) + " and above)";
    if (ec != std::errc() || ptr != end || id <= 0)
        return "identifier \"" + std::string(digits) + "\" is not a positive whole number";
    return std::nullopt;
}

std::vector<ServerProduct> readCatalogueSource(std::istream& in, std::string_view sourceName,
                                               bool checkTimestamps) {
    std::string line;
    int lineNumber = 0;
    std::vector<ServerProduct> records;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (!headerSeen) {
            auto names = splitFields(line, '\t');
            bool matches = names.size() == catalogueRecordKeys.size();
            for (std::size_t i = 0; matches && i < names.size(); ++i)
                matches = trimSpaces(names[i]) == catalogueRecordKeys[i];
            if (!matches)
                throw CatalogueSourceError(location(sourceName, lineNumber) +
                                           "the header line must hold the 25 product keys, "
                                           "tab-separated, from \"Produktname\" to \"ID\"");
            headerSeen = true;
            continue;
        }
        if (line.empty()) continue;
        auto values = splitFields(line, '\t');
        if (values.size() != catalogueRecordKeys.size())
            throw CatalogueSourceError(location(sourceName, lineNumber) + "expected " +
                                       std::to_string(catalogueRecordKeys.size()) +
                                       " fields, found " + std::to_string(values.size()));
        ServerProduct record;
        for (std::size_t i = 0; i < catalogueFieldCount; ++i)
            record.fields[i] = std::move(values[i]);
        if (auto problem = identifierProblem(values[catalogueFieldCount], record.id))
            throw CatalogueSourceError(location(sourceName, lineNumber) + *problem);
        if (checkTimestamps && !isValidTimestamp(record.timestamp()))
            throw CatalogueSourceError(location(sourceName, lineNumber) + "Aufnahmedatum \"" +
                                       record.timestamp() +
                                       "\" is not of the form YYYY-MM-DD HH:MM:SS "
                                       "(--timestamp sets one for every product)");
        records.push_back(std::move(record));
    }
    if (in.bad()) throw CatalogueSourceError(std::string(sourceName) + ": read error");
    if (!headerSeen)
        throw CatalogueSourceError(std::string(sourceName) +
                                   ": the file is empty (no header line)");
    return records;
}

} // namespace tolvane::server
