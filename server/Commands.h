#pragma once

#include "server/Options.h"

#include <ostream>

namespace tolvane::server {

// The maintenance commands; each returns the process exit code and reports on `out`/`err`.
int runImport(const Options& options, std::ostream& out, std::ostream& err);
int runImportOff(const Options& options, std::ostream& out, std::ostream& err);
int runPublish(const Options& options, std::ostream& out, std::ostream& err);
int runOutbox(const Options& options, std::ostream& out);

} // namespace tolvane::server
