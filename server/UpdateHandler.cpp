#include "server/UpdateHandler.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <optional>

namespace tolvane::server {

namespace {

std::string field(const FormFields& fields, const std::string& name) {
    auto it = fields.find(name);
    return it == fields.end() ? std::string() : it->second;
}

std::optional<long long> positive(const FormFields& fields, const std::string& name,
                                  long long maximum) {
    auto it = fields.find(name);
    if (it == fields.end()) return std::nullopt;
    const std::string& text = it->second;
    long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < 1 || value > maximum)
        return std::nullopt;
    return value;
}

bool hasControlCharacters(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

Reply badRequest(std::string message) {
    return {400, kTextType, std::move(message)};
}

} // namespace

std::string pageJson(const ChangedPage& page) {
    using Json = nlohmann::ordered_json;
    Json products; // null past the last page
    if (!page.products.empty()) {
        products = Json::array();
        products.get_ref<Json::array_t&>().reserve(page.products.size());
    }
    for (const ServerProduct& record : page.products) {
        Json product = Json::object();
        // Appended without the look-up for an existing key: the keys are distinct.
        auto& members = static_cast<Json::object_t::Container&>(product.get_ref<Json::object_t&>());
        members.reserve(catalogueFieldCount + 2);
        for (std::size_t i = 0; i < catalogueFieldCount; ++i)
            members.emplace_back(catalogueRecordKeys[i], record.fields[i]);
        members.emplace_back("ID", std::to_string(record.id));
        members.emplace_back("isDelete", record.deleted ? "1" : "0");
        products.push_back(std::move(product));
    }
    Json reply = Json::object();
    reply["Updated Records"]["rows"] = Json::array({std::to_string(page.total)});
    reply["Updated Records"]["products"] = std::move(products);
    // A catalogue source may hold bytes that are not UTF-8: they become U+FFFD.
    return reply.dump(-1, ' ', false, Json::error_handler_t::replace);
}

UpdateHandler::UpdateHandler(ServerCatalogue& catalogue, Credentials credentials)
    : catalogue_(catalogue), credentials_(std::move(credentials)) {}

Reply UpdateHandler::handle(const FormFields& query, const FormFields& form) const {
    bool userMatches = sameSecret(field(form, "username"), credentials_.updateUser);
    bool passwordMatches = sameSecret(field(form, "password"), credentials_.updatePassword);
    if (!userMatches || !passwordMatches)
        return {401, kTextType, "Access denied: wrong username or password."};

    auto pageNo = positive(query, "pageNo", 1'000'000'000);
    if (!pageNo) return badRequest("Bad request: pageNo must be a whole number from 1.");
    auto records = positive(query, "records", kMaxPageSize);
    if (!records)
        return badRequest("Bad request: records must be a whole number from 1 to " +
                          std::to_string(kMaxPageSize) + ".");
    std::string timestamp = field(query, "timestamp");
    if (hasControlCharacters(timestamp) || timestamp.size() > 64)
        return badRequest("Bad request: timestamp is not a timestamp.");

    ChangedPage page = catalogue_.changedSince(timestamp, *pageNo, *records);
    if (page.total == 0) return {200, kTextType, kNothingUpdated};
    return {200, kJsonType, pageJson(page)};
}

} // namespace tolvane::server
