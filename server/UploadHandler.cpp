#include "server/UploadHandler.h"

#include "format/Csv.h"
#include "server/Timestamp.h"

#include <algorithm>

namespace tolvane::server {

namespace {

std::string field(const FormFields& fields, const std::string& name) {
    auto it = fields.find(name);
    return it == fields.end() ? std::string() : it->second;
}

} // namespace

std::optional<std::vector<UploadedProduct>> readUpload(std::string_view data) {
    static const std::vector<std::string> known = csvLines(kUploadHeader).front();
    const auto lines = csvLines(data);
    if (lines.empty() || lines.front().size() < known.size() ||
        !std::equal(known.begin(), known.end(), lines.front().begin()))
        return std::nullopt;
    const auto& header = lines.front();
    std::vector<UploadedProduct> products;
    for (std::size_t at = 1; at < lines.size(); ++at) {
        if (lines[at].size() != header.size()) return std::nullopt;
        UploadedProduct& product = products.emplace_back();
        for (std::size_t column = 0; column < header.size(); ++column)
            product.emplace(header[column], lines[at][column]);
    }
    return products;
}

UploadHandler::UploadHandler(ServerCatalogue& catalogue, Credentials credentials)
    : catalogue_(catalogue), credentials_(std::move(credentials)) {}

Reply UploadHandler::handle(const std::string& authorization, const FormFields& form) const {
    auto credentials = basicCredentials(authorization);
    bool accepted = credentials && sameSecret(credentials->first, credentials_.uploadUser) &&
                    sameSecret(credentials->second, credentials_.uploadPassword);
    if (!accepted) return {401, kTextType, "Access denied: wrong or missing credentials."};

    std::string data = field(form, "data");
    if (!readUpload(data)) return {200, kTextType, kDataRefused};
    catalogue_.storeUpload({0, currentTimestamp(), field(form, "email"), field(form, "subject"),
                            field(form, "msg"), std::move(data)});
    return {200, kTextType, kMailSent};
}

} // namespace tolvane::server
