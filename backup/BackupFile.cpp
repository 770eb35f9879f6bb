#include "backup/BackupFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane {

namespace fs = std::filesystem;

bool exportBackupFile(Database& database, const std::string& path, std::string* error) {
    const auto document = exportBackup(database, error);
    if (!document) return false;
    const std::string temporary = path + ".writing";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << *document;
        out.flush();
        if (!out) {
            if (error) *error = "cannot write " + temporary;
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        if (error) *error = ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

BackupImport importBackupFile(Database& database, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in) {
        BackupImport refused;
        refused.outcome = BackupImport::Outcome::Damaged;
        refused.detail = "cannot read " + path;
        return refused;
    }
    return importBackup(database, text.str());
}

} // namespace tolvane
