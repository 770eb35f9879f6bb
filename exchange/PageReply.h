// One reply of the product server to a catalogue page request, read into what the update acts
// on. A pure function of the reply text and the page asked for: no store, no log, no clock. The
// update and the fuzz target both read replies through it.
#pragma once

#include "exchange/JsonParser.h"
#include "format/CatalogueRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct PageReply {
    static constexpr int recordsPerPage = 250;
    // A reply with several times a page of products is not a page.
    static constexpr std::size_t maxProductsPerPage = 4 * recordsPerPage;
    // The reply nests four deep (reply, "Updated Records", "products", product); a little room
    // besides, and a bound on the values of a full page with its 27 members each.
    static constexpr JsonLimits limits{8, 200000};
    // Pages past what the reported total needs before a reply counts as endless.
    static constexpr int pageMargin = 2;
    // The longest field texts a page stores, in characters: a name or maker runs to a few
    // hundred, every other field (values, unit, date, codes) to a few dozen. Longer is no product
    // (a screen showing a megabyte of it freezes), and the page store refuses it.
    static constexpr std::size_t maxNameLength = 500;
    static constexpr std::size_t maxFieldLength = 40;

    enum class Kind {
        NothingNew, // "No product has been updated."
        Unreadable, // not the expected JSON, or not a page; error says why
        Complete,   // "products" null: no further pages
        Empty,      // "products" missing or an empty list
        Page,       // products to store
    };
    Kind kind = Kind::Unreadable;
    std::string error;
    // "rows": the products the server reports for the run, never negative.
    int total = 0;

    // Page: the ID text and the inclusion date of each product with a usable ID, in order
    // (removed first), and the records of those to store again ("isDelete" "0").
    std::vector<std::string> ids;
    std::vector<std::string> dates;
    std::vector<CatalogueRecord> records;
    // The ID texts of the products left out for an unusable ID.
    std::vector<std::string> skippedIds;

    // The reply to the request for page `page` (from 1).
    static PageReply read(std::string_view body, int page);
    // Pages the total needs, at least 0.
    static long long pagesFor(long long total);

    // The page record of a product object; false when its ID is unusable (the record's
    // identifier is then 0).
    static bool pageRecord(const JsonValue& product, CatalogueRecord& record);
    // Whether every field of the record is within its longest length.
    static bool withinFieldLengths(const CatalogueRecord& record);
    // Whether a text has the form of a stored timestamp, "YYYY-MM-DD HH:MM:SS".
    static bool isTimestamp(std::string_view text);
};

} // namespace tolvane
