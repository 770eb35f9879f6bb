// The products of one export, one per code, on their way into a catalogue: kept in a scratch
// SQLite file rather than in memory, so that an export of millions of products is read in
// bounded memory. Where two lines carry one code, the newer last_modified_t wins (the later
// line when they are equal).
//
// One thread: made, filled, read and destroyed by the importing command.
#pragma once

#include "tools/offimport/ExportProductMapper.h"

#include <filesystem>
#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace tolvane {

class ExportStaging {
public:
    // Creates the scratch file (replacing one left by a stopped run); it is removed again when
    // this goes. Throws ExportError when it cannot be made.
    explicit ExportStaging(std::filesystem::path file);
    ~ExportStaging();
    ExportStaging(const ExportStaging&) = delete;
    ExportStaging& operator=(const ExportStaging&) = delete;

    void add(const ExportProduct& product);
    long long count();
    // Each product once, in the order its code first appeared.
    void forEach(const std::function<void(const ExportProduct&)>& visit);

private:
    void exec(const char* sql);
    [[noreturn]] void fail(const std::string& what);

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
};

} // namespace tolvane
