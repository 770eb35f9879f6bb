#pragma once

#include "server/ServerProduct.h"
#include "tests/support/TempDir.h"

#include <string>
#include <vector>

namespace tolvane::server::test {

using tolvane::test::TempDir;

std::string catalogueHeader();

// One catalogue source line: every field filled from the name, maker and timestamp.
std::string catalogueLine(long long id, const std::string& name, const std::string& timestamp,
                          const std::string& maker = "Hersteller");

ServerProduct product(long long id, const std::string& name, const std::string& timestamp);

void writeFile(const std::string& path, const std::string& content);

} // namespace tolvane::server::test
