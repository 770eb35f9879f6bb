// Own-product records to the upload's CSV text, form-encoded by the client and decoded by the
// reference server: the server must get exactly the text the client sent.
#include "exchange/FormDataRequest.h"
#include "exchange/ProductUpload.h"
#include "server/FormData.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> records;
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = input.find('\n', start);
        records.push_back(input.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    const std::string csv = ProductUpload::csvText(records);
    if (csv.rfind(ProductUpload::csvHeader, 0) != 0) std::abort();
    if (std::count(csv.begin(), csv.end(), '\n') != static_cast<long>(records.size()) + 1)
        std::abort();

    FormDataRequest request("http://127.0.0.1/");
    request.setPostValue(csv, "data");
    request.setPostValue("", "msg");
    const auto fields = server::parseFormFields(request.postBody());
    const auto sent = fields.find("data");
    if (sent == fields.end() || sent->second != csv) std::abort();
    if (server::urlDecode(formEncode(input)) != input) std::abort();
    return 0;
}
