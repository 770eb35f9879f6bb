// The reference server's reading of request targets, form bodies and Basic credentials.
#include "format/PercentEncoding.h"
#include "server/FormData.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tolvane::server;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view query = queryOf(text);
    if (query.size() > text.size()) std::abort();
    for (const auto& [name, value] : parseFormFields(query))
        if (name.size() > text.size() || value.size() > text.size()) std::abort();
    (void)parseFormFields(text);
    if (tolvane::percentDecode(text).size() > text.size()) std::abort();
    if (auto decoded = base64Decode(text); decoded && decoded->size() > text.size()) std::abort();
    (void)basicCredentials(text);
    (void)sameSecret(text, "secret");
    return 0;
}
