// A product as the reference server holds and delivers it: its catalogue record and whether it
// has been withdrawn (delivered with "isDelete" "1").
#pragma once

#include "format/CatalogueRecord.h"

#include <string>

namespace tolvane::server {

struct ServerProduct : CatalogueRecord {
    bool deleted = false;

    const std::string& timestamp() const { return (*this)[CatalogueField::InclusionDate]; }
    std::string& timestamp() { return (*this)[CatalogueField::InclusionDate]; }
};

} // namespace tolvane::server
