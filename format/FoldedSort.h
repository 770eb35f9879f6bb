// The sort key of the product list, the searches and the category lists: name, then maker, each
// with German umlauts and sharp s folded to their base letter and upper-cased. A macro so that
// it joins the statements' literals at compile time, and so that the shipped file's index is
// built from exactly the same text (SQLite uses an expression index only for identical
// expressions).
#pragma once

#define TOLVANE_FOLDED_SORT                                                                        \
    "(UPPER(replace (replace(replace(replace(replace(replace(replace( field01,'Ä','A'), 'ä', "   \
    "'A'), 'ß','S'), 'Ö','O'), 'ö','O'), 'Ü','U'), 'ü','U')) ), (UPPER(replace "              \
    "(replace(replace(replace(replace(replace(replace( field02,'Ä','A'), 'ä', 'A'), 'ß','S'), " \
    "'Ö','O'), 'ö','O'), 'Ü','U'), 'ü','U')) )"
