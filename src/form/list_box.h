#pragma once

#include <functional>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

// What a list box shows: its rows, in the order they were added. A window
// follows each change as it happens, so the screen's list is filled inside
// the command, and inside its measured span where the command times it.
// A copy shows the same rows and is followed by no one.
class ListBox {
public:
    ListBox() = default;
    ListBox(const ListBox& other) : rows_(other.rows_) {}
    ListBox& operator=(const ListBox& other)
    {
        rows_ = other.rows_;
        return *this;
    }

    void Clear();
    void AddItem(Text row);
    const std::vector<Text>& Rows() const noexcept { return rows_; }

    void Follow(std::function<void()> cleared, std::function<void(const Text&)> added);

private:
    std::vector<Text> rows_;
    std::function<void()> cleared_;
    std::function<void(const Text&)> added_;
};

// What a label shows; every label starts as "Label1". Followed like a list box.
class Label {
public:
    Label() = default;
    Label(const Label& other) : caption_(other.caption_) {}
    Label& operator=(const Label& other)
    {
        caption_ = other.caption_;
        return *this;
    }

    const Text& Caption() const noexcept { return caption_; }
    void SetCaption(Text caption);

    void Follow(std::function<void(const Text&)> changed);

private:
    Text caption_ = u"Label1";
    std::function<void(const Text&)> changed_;
};

}  // namespace sentinel
