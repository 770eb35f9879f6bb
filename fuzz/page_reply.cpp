// A catalogue page reply, read as the update reads it, down to its page records.
#include "exchange/CatalogueUpdate.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto reply = CatalogueUpdate::readReply(body, &error);
    if (!reply) {
        if (error.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    if (!reply->is_object()) return 0;
    const auto records = reply->find("Updated Records");
    if (records == reply->end() || !records->is_object()) return 0;
    if (const auto rows = records->find("rows");
        rows != records->end() && rows->is_array() && !rows->empty())
        (void)JsonParser::intOf(rows->front());
    const auto products = records->find("products");
    if (products == records->end() || !products->is_array()) return 0;
    if (products->size() > CatalogueUpdate::maxProductsPerPage) return 0;
    for (const auto& product : *products) {
        CatalogueRecord record;
        const bool usable = CatalogueUpdate::pageRecord(product, record);
        if (usable != (record.id != 0)) std::abort();
        if (usable && (record.id < 0 || record.id >= CatalogueUpdate::firstOwnProductId))
            std::abort();
        (void)CatalogueUpdate::isTimestamp(record[CatalogueField::InclusionDate]);
    }
    return 0;
}
