// The catalogue tool's look-ups in a database file, answered by the product list's own search:
// the held list as the program reads it, its folded search and its barcode index.
#pragma once

#include <ostream>
#include <string>

namespace tolvane {

// Prints the hits of the typed text in list order, one line each: recordId, name, maker
// (tab-separated). Throws CatalogueError when the file cannot be read.
void printSearch(const std::string& dbPath, const std::string& typed, std::ostream& out);

// Prints the product (or products) with the barcode number as the same line; false when the
// text is no barcode number or no product has it.
bool printGtin(const std::string& dbPath, const std::string& code, std::ostream& out);

// Prints the barcode read from the picture file on a line of its own, then its product (or
// products) as printGtin does. Returns the exit status: 0 found, 1 when the picture cannot be
// read, holds no barcode or no product has it, 2 when the path is no regular file (a named pipe,
// a device, a folder), which is refused unread; says why on standard error. Built only with Qt,
// which reads the picture formats.
int printScan(const std::string& dbPath, const std::string& picturePath, std::ostream& out);

} // namespace tolvane
