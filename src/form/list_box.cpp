#include "form/list_box.h"

#include <utility>

namespace sentinel {

void ListBox::Clear()
{
    rows_.clear();
    ++clears_;
}

void ListBox::AddItem(Text row)
{
    rows_.push_back(std::move(row));
}

}  // namespace sentinel
