#pragma once

#include <cstdint>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

// What a list box shows: its rows, in the order they were added.
class ListBox {
public:
    void Clear();
    void AddItem(Text row);

    const std::vector<Text>& Rows() const noexcept { return rows_; }
    // Counts the clears, so that a view can tell "rows were appended" from
    // "the list was refilled" and redraw only what changed.
    std::uint64_t Clears() const noexcept { return clears_; }

private:
    std::vector<Text> rows_;
    std::uint64_t clears_ = 0;
};

// What a label shows; every label starts as "Label1".
struct Label {
    Text caption = u"Label1";
};

}  // namespace sentinel
