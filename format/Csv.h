// Comma-separated text as CSV readers take it: a field that holds a comma, a quote or a line
// break is put in quotes, the quotes inside doubled. The own-product upload writes it, the
// reference server reads it back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The field as a line holds it: quoted only when it must be.
std::string csvField(std::string_view text);

// The lines of a CSV text, each cut into its fields with the quoting undone. A line ends at a
// line break ("\n" or "\r\n") outside quotes; the text after the last one is a line of its own
// unless it is empty. Lenient with what a writer got wrong: a quote inside an unquoted field is
// kept as it stands, a quote left open runs to the end of the text.
std::vector<std::vector<std::string>> csvLines(std::string_view text);

} // namespace tolvane
