// Sends the own products not yet uploaded to the product server as CSV text, and marks
// exactly those products sent once the server confirms with "Mail send" and a 2xx status.
// Marks the file does not take are kept in the user defaults and written at the next upload
// (normally the next start); until then those products are not sent again.
#pragma once

#include "exchange/NetworkQueue.h"
#include "platform/Platform.h"
#include "store/Rows.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class ProductUpload {
public:
    ProductUpload(Platform& platform, Database& database, NetworkQueue& queue,
                  std::string serverBase);

    // Nothing is sent for no records, nor for those confirmed before whose mark is still owed.
    void createCsvForUpload(std::vector<UploadRow> records);
    // The queue's handlers, for requests tagged Upload.
    void requestDone(const std::shared_ptr<FormDataRequest>& request);
    void requestFailed(const std::shared_ptr<FormDataRequest>& request);

    // The header line, then one line per record: its 12 columns joined by ",", numbers with a
    // decimal point, a field holding a comma, a quote or a line break quoted as CSV readers
    // expect. The barcode came last, after the 11 columns that readers knew before it.
    static std::string csvText(const std::vector<UploadRow>& records);
    static constexpr const char* csvHeader = "RecordId,Produktname,Hersteller,Kategorie,Fett,"
                                             "ges. Fette,Zucker,Natrium,Energiewert,Einheit,"
                                             " Produktmenge,GTIN\n";

    // Uploads sent and not yet answered.
    std::size_t pendingUploads() const { return inFlight_.size(); }

private:
    // All of them in one checked transaction; false when the file took none.
    bool markSent(const std::vector<std::string>& recordIds);

    Platform& platform_;
    Database& database_;
    NetworkQueue& queue_;
    std::string serverBase_;
    // The RecordIds each upload carries, so a reply marks only its own products.
    std::map<const FormDataRequest*, std::vector<std::string>> inFlight_;
};

} // namespace tolvane
