// The one rule by which the simulated desktop compares names without regard
// to case: registry keys and values, profile sections and keys, file names
// and lstrcmpiW.
#pragma once

#include <string>

namespace simdesk::detail {

// Each UTF-16 unit on its own, no locale: a letter becomes its simple upper
// case when that upper case letter lowers back to it. So every script's
// one-to-one pairs fold (Latin, Greek, Cyrillic, Armenian, fullwidth Latin,
// Latin Extended, ...), while letters without such a counterpart stay as
// they are: final sigma, dotless i, long s, micro sign, title-case digraphs,
// sharp s. Supplementary characters, being surrogate pairs, never fold.
char16_t FoldCase(char16_t unit);
std::u16string FoldCase(const std::u16string& text);

}  // namespace simdesk::detail
