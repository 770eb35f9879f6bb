// The catalogue update and own-product upload as the product list starts them.
#pragma once

#include "store/Rows.h"

#include <string>
#include <vector>

namespace tolvane {

class CatalogueUpdateRunner {
public:
    virtual ~CatalogueUpdateRunner() = default;
    // The refresh button: starts a run; progress and outcome come back through the screen.
    virtual void update() = 0;
    // Sends the own products not yet uploaded (rows of selectProductsForCsv).
    virtual void createCsvForUpload(const std::vector<UploadRow>& records) = 0;
    // Keeps how far an unfinished run got, when the list goes out of view.
    virtual void saveProgress() = 0;
    // True while a catalogue page is being stored (the catalogue may read half replaced then).
    // Safe to ask from any thread.
    virtual bool storingPage() const { return false; }
};

} // namespace tolvane
