#pragma once

#include <functional>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

// Who is told of a change. A copy of what it follows is followed by no one:
// copying a list box or a label copies what it shows, not the window.
template <class... Args>
class Follower {
public:
    Follower() = default;
    Follower(const Follower&) noexcept {}
    Follower& operator=(const Follower&) noexcept { return *this; }

    void Set(std::function<void(Args...)> tell) { tell_ = std::move(tell); }
    void operator()(Args... args) const
    {
        if (tell_)
            tell_(args...);
    }

private:
    std::function<void(Args...)> tell_;
};

// What a list box shows: its rows, in the order they were added. A window
// follows each change as it happens, so the screen's list is filled inside
// the command, and inside its measured span where the command times it.
class ListBox {
public:
    void Clear();
    void AddItem(Text row);
    const std::vector<Text>& Rows() const noexcept { return rows_; }

    void Follow(std::function<void()> cleared, std::function<void(const Text&)> added);

private:
    std::vector<Text> rows_;
    Follower<> cleared_;
    Follower<const Text&> added_;
};

// What a label shows; every label starts as "Label1". Followed like a list box.
class Label {
public:
    const Text& Caption() const noexcept { return caption_; }
    void SetCaption(Text caption);

    void Follow(std::function<void(const Text&)> changed);

private:
    Text caption_ = u"Label1";
    Follower<const Text&> changed_;
};

}  // namespace sentinel
