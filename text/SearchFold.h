// The form of a text that search compares: case folded in every script, accents taken off Latin
// letters, so that "kase", "KÄSE" and "Käse" are the same and "молоко" finds "Молоко". Latin
// letters that carry their stroke or ligature in the character itself (ø, ł, đ, œ, æ) become their
// base letters, Cyrillic ё becomes е (й keeps its breve), and the typographic apostrophes become
// "'". The result is composed again, so that one character typed matches one character shown.
// Uses ICU; no other library.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Bytes that are not UTF-8 stand as U+FFFD. "%" and "_" stay as they are, so a LIKE pattern
// folds like any text and keeps its wildcards.
std::string foldForSearch(std::string_view text);

} // namespace tolvane
