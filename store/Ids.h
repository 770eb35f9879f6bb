// The identifiers the store's operations take: a number each, typed by what it names, so that a
// folder's identifier cannot be handed where a product's is meant.
#pragma once

#include "text/IntegerValue.h"

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

template <class Tag> struct Id {
    std::int64_t value = 0;

    // The identifier a stored or typed text names: its leading integer, as the file reads it.
    static Id of(std::string_view text) { return {integerValue64(text)}; }
    // The decimal digits a statement and a text-typed column hold it as.
    std::string text() const { return formatInt(value); }
    friend auto operator<=>(const Id&, const Id&) = default;
};

// A catalogue product (ProductsTable.recordId), also the mirror of an own product.
using ProductId = Id<struct ProductIdTag>;
// A menu folder (Menu_Folder.recordId).
using FolderId = Id<struct FolderIdTag>;
// A category (Categories.Recordid, ProductsTable.field03).
using CategoryId = Id<struct CategoryIdTag>;
// An own product (Products.RecordId).
using OwnProductId = Id<struct OwnProductIdTag>;

} // namespace tolvane
