#include "shell/gui/ListItem.h"

#include <algorithm>

#include "shell/gui/Control.h"

namespace ravel {

void ListItem::SetText(const char* text) {
    CopyText(m_text, sizeof m_text, text);
}

void ItemList::AddListItem(const char* text, int value, CSprite* icon) {
    ListItem item;
    item.SetText(text);
    item.m_value = value;
    if (icon) {
        item.mp_icon = icon;
        item.mb_hasIcon = 1;
    }
    mv_items.push_back(item);
}

void ItemList::ClearListItems() {
    mv_items.clear();
    mv_items.shrink_to_fit();
}

int ItemList::FindItemIndex(int value) const {
    for (size_t i = 0; i < mv_items.size(); ++i) {
        if (mv_items[i].m_value == value) return static_cast<int>(i);
    }
    return 0;
}

int ItemList::ShownHeight(int first, int count) const {
    int height = 0;
    int last = std::min(first + count, ItemCount());
    for (int i = std::max(first, 0); i < last; ++i) {
        height += mv_items[i].IsSeparator() ? SEPARATOR_HEIGHT : ITEM_HEIGHT;
    }
    return height;
}

int ItemList::ItemAtOffset(int first, int count, int offset) const {
    if (offset < 0) return -1;
    int top = 0;
    int last = std::min(first + count, ItemCount());
    for (int i = std::max(first, 0); i < last; ++i) {
        top += mv_items[i].IsSeparator() ? SEPARATOR_HEIGHT : ITEM_HEIGHT;
        if (offset < top) return i;
    }
    return -1;
}

void ItemList::ClampWindow(int& first, int count) const {
    first = std::clamp(first, 0, std::max(0, ItemCount() - count));
}

}  // namespace ravel
