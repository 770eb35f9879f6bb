#include "exchange/PageReply.h"

#include "exchange/ReplyText.h"
#include "text/IntegerValue.h"
#include "text/Utf8.h"

#include <algorithm>

namespace tolvane {

namespace {

bool usableIdText(const std::string& text) {
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The "ID" member of a product object as text; "" when there is none.
std::string idTextOf(const JsonValue& product) {
    if (!product.is_object()) return {};
    auto found = product.find(catalogueRecordKeys.back());
    return found == product.end() ? std::string() : JsonParser::textOf(*found);
}

PageReply unreadable(std::string error) {
    PageReply reply;
    reply.error = std::move(error);
    return reply;
}

} // namespace

long long PageReply::pagesFor(long long total) {
    return total <= 0 ? 0 : (total + recordsPerPage - 1) / recordsPerPage;
}

PageReply PageReply::read(std::string_view body, int page) {
    PageReply reply;
    if (trimmed(body) == "No product has been updated.") {
        reply.kind = Kind::NothingNew;
        return reply;
    }
    std::string error;
    const auto json = JsonParser().objectWithString(body, &error, limits);
    if (!json) return unreadable(error);
    const JsonValue* records = nullptr;
    if (json->is_object()) {
        auto found = json->find("Updated Records");
        if (found != json->end() && found->is_object()) records = &*found;
    }
    if (!records) return unreadable("the reply holds no \"Updated Records\" object");

    auto rows = records->find("rows");
    if (rows != records->end() && rows->is_array() && !rows->empty())
        reply.total = std::max(0, JsonParser::intOf(rows->front()));

    auto products = records->find("products");
    if (products != records->end() && products->is_null()) {
        reply.kind = Kind::Complete;
        return reply;
    }
    if (products == records->end() || !products->is_array() || products->empty()) {
        reply.kind = Kind::Empty;
        return reply;
    }
    if (products->size() > maxProductsPerPage)
        return unreadable("a page of " + formatInt(static_cast<long long>(products->size())) +
                          " products, more than a page holds");
    // A server that never runs out of pages would keep the run going for ever.
    if (page > pagesFor(reply.total) + pageMargin)
        return unreadable("page " + formatInt(page) + " is past the " + formatInt(reply.total) +
                          " products reported");

    reply.kind = Kind::Page;
    for (const auto& product : *products) {
        CatalogueRecord record;
        if (!pageRecord(product, record)) {
            reply.skippedIds.push_back(idTextOf(product));
            continue;
        }
        reply.ids.push_back(idTextOf(product));
        reply.dates.push_back(record[CatalogueField::InclusionDate]);
        auto isDelete = product.find("isDelete");
        if (isDelete != product.end() && JsonParser::textOf(*isDelete) == "0")
            reply.records.push_back(std::move(record));
    }
    return reply;
}

bool PageReply::pageRecord(const JsonValue& product, CatalogueRecord& record) {
    record = CatalogueRecord();
    if (!product.is_object()) return false;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        auto found = product.find(catalogueRecordKeys[i]);
        if (found != product.end()) record.fields[i] = JsonParser::textOf(*found);
    }
    const std::string id = idTextOf(product);
    if (!usableIdText(id) || leadingInt(id) <= 0 || leadingInt(id) >= firstOwnProductId)
        return false;
    record.id = leadingInt(id);
    return true;
}

bool PageReply::withinFieldLengths(const CatalogueRecord& record) {
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        const auto field = static_cast<CatalogueField>(i);
        const bool named = field == CatalogueField::Name || field == CatalogueField::Maker;
        const std::string& text = record.fields[i];
        // Bytes first: a megabyte is refused without counting its characters.
        const std::size_t bound = named ? maxNameLength : maxFieldLength;
        if (text.size() > bound && characterCount(text) > bound) return false;
    }
    return true;
}

bool PageReply::isTimestamp(std::string_view text) {
    static constexpr std::string_view form = "dddd-dd-dd dd:dd:dd";
    if (text.size() != form.size()) return false;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (form[i] == 'd' ? !digit : text[i] != form[i]) return false;
    }
    return true;
}

} // namespace tolvane
