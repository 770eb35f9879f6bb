// Shares cut to a whole number on the decimals the figures were written with, so that a share
// that is whole in decimal arithmetic (21 g against 20 g is 105 %) is not cut to the number below
// by the binary rounding of single-precision arithmetic.
#pragma once

#include <initializer_list>

namespace tolvane {

// The product of `factors` divided by the product of `divisors`, cut towards zero. Each figure
// counts as the shortest decimal that reads back as it ("0.3" for 0.3f), as the user typed it.
// Within ±2e9 as `truncated`; 0 for a zero divisor, NaN or an infinity.
int cutDecimalQuotient(std::initializer_list<float> factors, std::initializer_list<float> divisors);

} // namespace tolvane
