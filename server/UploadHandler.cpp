#include "server/UploadHandler.h"

#include "server/Timestamp.h"

namespace tolvane::server {

namespace {

std::string field(const FormFields& fields, const std::string& name) {
    auto it = fields.find(name);
    return it == fields.end() ? std::string() : it->second;
}

} // namespace

UploadHandler::UploadHandler(ServerCatalogue& catalogue, Credentials credentials)
    : catalogue_(catalogue), credentials_(std::move(credentials)) {}

Reply UploadHandler::handle(const std::string& authorization, const FormFields& form) const {
    auto credentials = basicCredentials(authorization);
    bool accepted = credentials && sameSecret(credentials->first, credentials_.uploadUser) &&
                    sameSecret(credentials->second, credentials_.uploadPassword);
    if (!accepted) return {401, kTextType, "Access denied: wrong or missing credentials."};

    std::string data = field(form, "data");
    if (!data.starts_with(kUploadHeader)) return {200, kTextType, kDataRefused};
    catalogue_.storeUpload({0, currentTimestamp(), field(form, "email"), field(form, "subject"),
                            field(form, "msg"), std::move(data)});
    return {200, kTextType, kMailSent};
}

} // namespace tolvane::server
