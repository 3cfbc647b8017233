#include "form/list_box.h"

#include <utility>

namespace sentinel {

void ListBox::Clear()
{
    rows_.clear();
    if (cleared_)
        cleared_();
}

void ListBox::AddItem(Text row)
{
    rows_.push_back(std::move(row));
    if (added_)
        added_(rows_.back());
}

void ListBox::Follow(std::function<void()> cleared, std::function<void(const Text&)> added)
{
    cleared_ = std::move(cleared);
    added_ = std::move(added);
}

void Label::SetCaption(Text caption)
{
    caption_ = std::move(caption);
    if (changed_)
        changed_(caption_);
}

void Label::Follow(std::function<void(const Text&)> changed)
{
    changed_ = std::move(changed);
}

}  // namespace sentinel
