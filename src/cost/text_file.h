#pragma once

#include <string>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

inline constexpr std::size_t kMostEntries = 100000;

// The entries of a UTF-8 text file, one a line; a line may end in CR LF, and
// the last line need not end at all. Raises InputError, naming the file, when
// it is missing, a directory, unreadable, empty, not UTF-8 (naming the line),
// or holds more than kMostEntries entries.
std::vector<Text> ReadEntries(const std::string& path);

// The same rules for text that is already in memory, e.g. pasted; `source`
// names it in the messages.
std::vector<Text> SplitEntries(const std::string& utf8, const std::string& source);

}  // namespace sentinel
