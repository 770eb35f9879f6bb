// A catalogue page reply, read by the update's own reader, down to its page records.
#include "exchange/PageReply.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    // The first page, and one far past any total, as the update asks for them.
    for (const int page : {1, 1 << 30}) {
        const PageReply reply = PageReply::read(body, page);
        if (reply.total < 0 || PageReply::pagesFor(reply.total) < 0) std::abort();
        if (reply.kind == PageReply::Kind::Unreadable) {
            if (reply.error.empty()) std::abort(); // a refusal always says why
            continue;
        }
        if (reply.kind != PageReply::Kind::Page) continue;
        if (reply.ids.empty() && reply.skippedIds.empty()) std::abort();
        if (reply.ids.size() + reply.skippedIds.size() > PageReply::maxProductsPerPage ||
            reply.dates.size() != reply.ids.size() || reply.records.size() > reply.ids.size())
            std::abort();
        for (const CatalogueRecord& record : reply.records) {
            if (record.id <= 0 || record.id >= firstOwnProductId) std::abort();
            (void)PageReply::isTimestamp(record[CatalogueField::InclusionDate]);
        }
    }
    return 0;
}
