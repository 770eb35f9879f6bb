#pragma once

#include "server/Credentials.h"
#include "server/FormData.h"
#include "server/Reply.h"
#include "server/ServerCatalogue.h"

#include <string>

namespace tolvane::server {

inline constexpr const char* kNothingUpdated = "No product has been updated.";
inline constexpr long long kMaxPageSize = 10000;

// The JSON reply for one page; `products` null past the last page.
std::string pageJson(const ChangedPage& page);

// Answers "getUpdatedProducts.php": query "timestamp", "pageNo", "records"; form "username",
// "password".
class UpdateHandler {
public:
    UpdateHandler(ServerCatalogue& catalogue, Credentials credentials);
    Reply handle(const FormFields& query, const FormFields& form) const;

private:
    ServerCatalogue& catalogue_;
    Credentials credentials_;
};

} // namespace tolvane::server
