#pragma once

#include "server/Credentials.h"
#include "server/FormData.h"
#include "server/Reply.h"
#include "server/ServerCatalogue.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::server {

// The columns an upload's header line starts with; later clients add columns after them ("GTIN"),
// so a reader finds each value by its column's name.
inline constexpr const char* kUploadHeader = "RecordId,Produktname,Hersteller,Kategorie,Fett,"
                                             "ges. Fette,Zucker,Natrium,Energiewert,Einheit, "
                                             "Produktmenge\n";
inline constexpr const char* kMailSent = "Mail send";
inline constexpr const char* kDataRefused = "Error sending in data";

// The products of an upload, each its values by column name; nothing when the header line does
// not start with kUploadHeader's columns or a line has another number of fields than it.
using UploadedProduct = std::map<std::string, std::string, std::less<>>;
std::optional<std::vector<UploadedProduct>> readUpload(std::string_view data);

// Answers "Products/sendProductRecords.php": Basic credentials, form "data", "email", "subject",
// "msg". Accepted uploads go to the outbox.
class UploadHandler {
public:
    UploadHandler(ServerCatalogue& catalogue, Credentials credentials);
    // `authorization` is the request's Authorization header value (empty when missing).
    Reply handle(const std::string& authorization, const FormFields& form) const;

private:
    ServerCatalogue& catalogue_;
    Credentials credentials_;
};

} // namespace tolvane::server
