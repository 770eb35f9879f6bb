#pragma once

#include "server/ProductRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tolvane::server::test {

// A fresh directory for one test, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string catalogueHeader();

// One catalogue source line: every field filled from the name, maker and timestamp.
std::string catalogueLine(long long id, const std::string& name, const std::string& timestamp,
                          const std::string& maker = "Hersteller");

ProductRecord product(long long id, const std::string& name, const std::string& timestamp);

void writeFile(const std::string& path, const std::string& content);

} // namespace tolvane::server::test
