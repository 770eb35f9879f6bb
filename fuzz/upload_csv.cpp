// Own-product rows to the upload's CSV text, form-encoded by the client and decoded by the
// reference server: the server must get exactly the text the client sent, and read it back into
// the rows' values (numbers with a decimal point). Each input line is one row, its bytes spread
// over the row's twelve columns in order.
#include "exchange/FormDataRequest.h"
#include "exchange/ProductUpload.h"
#include "format/Csv.h"
#include "format/PercentEncoding.h"
#include "server/FormData.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<UploadRow> records;
    std::vector<std::vector<std::string>> values{csvLines(ProductUpload::csvHeader).front()};
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = input.find('\n', start);
        const std::string line = input.substr(start, end - start);
        UploadRow row;
        NutrientColumns& n = row.nutrients;
        std::string* columns[] = {&row.recordId, &row.name,       &row.maker,   &row.categoryId,
                                  &n.fat,        &n.saturatedFat, &n.sugar,     &n.salt,
                                  &n.kcal,       &row.unit,       &row.portion, &row.gtin};
        const std::size_t count = std::size(columns);
        values.emplace_back();
        for (std::size_t k = 0; k < count; ++k) {
            *columns[k] = line.substr(k * line.size() / count,
                                      (k + 1) * line.size() / count - k * line.size() / count);
            std::string value = *columns[k];
            // The nutrients and the quantity are numbers.
            if ((k >= 4 && k <= 8) || k == 10) std::replace(value.begin(), value.end(), ',', '.');
            values.back().push_back(std::move(value));
        }
        records.push_back(std::move(row));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    const std::string csv = ProductUpload::csvText(records);
    if (csv.rfind(ProductUpload::csvHeader, 0) != 0) std::abort();
    if (csvLines(csv) != values) std::abort();

    FormDataRequest request("http://127.0.0.1/");
    request.setPostValue(csv, "data");
    request.setPostValue("", "msg");
    const auto fields = server::parseFormFields(request.postBody());
    const auto sent = fields.find("data");
    if (sent == fields.end() || sent->second != csv) std::abort();
    if (percentDecode(percentEncode(input)) != input) std::abort();
    return 0;
}
