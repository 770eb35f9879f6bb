#pragma once

#include "server/Credentials.h"
#include "server/FormData.h"
#include "server/Reply.h"
#include "server/ServerCatalogue.h"

#include <string>

namespace tolvane::server {

inline constexpr const char* kUploadHeader = "RecordId,Produktname,Hersteller,Kategorie,Fett,"
                                             "ges. Fette,Zucker,Natrium,Energiewert,Einheit, "
                                             "Produktmenge\n";
inline constexpr const char* kMailSent = "Mail send";
inline constexpr const char* kDataRefused = "Error sending in data";

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
