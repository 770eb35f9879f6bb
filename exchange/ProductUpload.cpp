#include "exchange/ProductUpload.h"

#include "exchange/ReplyText.h"
#include "format/Csv.h"

#include "platform/BuildConfig.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"

#include <algorithm>

namespace tolvane {

namespace {

// A record's 12 columns as the upload sends them, in the header's order. "Natrium" holds the grams
// of salt the product stores, also for one entered as sodium: the line has no column saying which
// was typed, and the catalogue's "Salz / Natrium" holds salt as well.
std::vector<std::string> csvFields(const UploadRow& row) {
    // Stored as typed, "0,5" or "0.5": sent with the decimal point, as readers of the stored
    // text take it either way.
    auto number = [](std::string text) {
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    };
    const NutrientColumns& n = row.nutrients;
    return {row.recordId,           row.name,        row.maker,      row.categoryId, number(n.fat),
            number(n.saturatedFat), number(n.sugar), number(n.salt), number(n.kcal), row.unit,
            number(row.portion),    row.gtin};
}

} // namespace

ProductUpload::ProductUpload(Platform& platform, Database& database, NetworkQueue& queue,
                             std::string serverBase)
    : platform_(platform), database_(database), queue_(queue), serverBase_(std::move(serverBase)) {}

std::string ProductUpload::csvText(const std::vector<UploadRow>& records) {
    std::string csv = csvHeader;
    for (const UploadRow& row : records) {
        const auto fields = csvFields(row);
        for (std::size_t i = 0; i < fields.size(); ++i)
            csv += (i == 0 ? "" : ",") + csvField(fields[i]);
        csv += '\n';
    }
    return csv;
}

bool ProductUpload::markSent(const std::vector<std::string>& recordIds) {
    return database_.runInCheckedTransaction([&] {
        for (const auto& id : recordIds)
            OwnProductStore(database_).updateProductSentFieldForId(OwnProductId::of(id));
        return true;
    });
}

void ProductUpload::createCsvForUpload(std::vector<UploadRow> uploadProductArray) {
    // The server has these already: they are marked now, and never sent twice.
    AppDefaults defaults = platform_.appDefaults();
    const DefaultsList owed = defaults.uploadedNotMarked();
    if (!owed.empty()) {
        if (markSent(owed)) defaults.setUploadedNotMarked({});
        std::erase_if(uploadProductArray, [&](const UploadRow& row) {
            return std::find(owed.begin(), owed.end(), row.recordId) != owed.end();
        });
    }
    if (uploadProductArray.empty()) return;
    // Read as it is now: the rows may have been listed before the barcode was entered.
    for (UploadRow& row : uploadProductArray)
        row.gtin =
            OwnProductStore(database_).selectProductGtinForId(OwnProductId::of(row.recordId));

    auto request = FormDataRequest::requestWithURL(serverBase_ + "Products/sendProductRecords.php");
    request->setTag(RequestTag::Upload);
    request->setPostValue(csvText(uploadProductArray), "data");
    request->setPostValue(config::supportMail, "email");
    request->setPostValue("Korvalo GB: Product Records for Upload", "subject");
    request->setPostValue("", "msg");
    request->setUsername(config::uploadUser);
    request->setPassword(config::uploadPassword);

    std::vector<std::string> ids;
    for (const UploadRow& row : uploadProductArray)
        ids.push_back(row.recordId);
    inFlight_[request.get()] = std::move(ids);
    queue_.addOperation(request);
    queue_.go();
}

void ProductUpload::requestDone(const std::shared_ptr<FormDataRequest>& request) {
    auto found = inFlight_.find(request.get());
    if (found == inFlight_.end()) return;
    std::vector<std::string> ids = std::move(found->second);
    inFlight_.erase(found);

    const std::string reply(trimmed(request->responseString()));
    // A server error or a redirect page may well say "Mail send": only a 2xx status confirms.
    const int status = request->responseStatusCode();
    const bool answered = status >= 200 && status <= 299;
    if (answered && reply == "Mail send") {
        if (!markSent(ids)) {
            platform_.log.write("Upload confirmed, but the products could not be marked sent; "
                                "they are marked at the next upload");
            AppDefaults defaults = platform_.appDefaults();
            DefaultsList owed = defaults.uploadedNotMarked();
            owed.insert(owed.end(), ids.begin(), ids.end());
            defaults.setUploadedNotMarked(owed);
            defaults.synchronize();
        }
    } else if (answered && (reply == "Error sending in data" || reply == "Error sending mail")) {
        platform_.log.write(reply);
    } else {
        platform_.log.write("Upload not confirmed (HTTP " + std::to_string(status) + ")");
    }
}

void ProductUpload::requestFailed(const std::shared_ptr<FormDataRequest>& request) {
    // The products stay unsent and go out again with the next upload.
    inFlight_.erase(request.get());
}

} // namespace tolvane
