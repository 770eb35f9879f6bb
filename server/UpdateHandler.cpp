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
    Json products = nullptr;
    if (!page.products.empty()) {
        products = Json::array();
        for (const ProductRecord& record : page.products) {
            Json product = Json::object();
            for (std::size_t i = 0; i < kFieldCount; ++i)
                product[std::string(kProductKeys[i])] = record.fields[i];
            product["ID"] = std::to_string(record.id);
            product["isDelete"] = record.deleted ? "1" : "0";
            products.push_back(std::move(product));
        }
    }
    Json reply = {
        {"Updated Records",
         {{"rows", Json::array({std::to_string(page.total)})}, {"products", std::move(products)}}}};
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
