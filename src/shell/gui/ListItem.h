// Items of drop-downs, pop-up menus and list panels, and the layout of a
// column of items that the drop-down and the pop-up menu share.
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

class CSprite;

inline constexpr int32_t SEPARATOR_VALUE = -9999;
inline constexpr int ITEM_HEIGHT = 20;
inline constexpr int SEPARATOR_HEIGHT = 2;
inline constexpr int ITEM_TEXT_SIZE = 256;

struct ListItem {
    void SetText(const char* text);  // cut to 255 characters
    bool IsSeparator() const { return m_value == SEPARATOR_VALUE; }

    char m_text[ITEM_TEXT_SIZE] = {};
    int32_t m_value = 0;
    int32_t m_value2 = -1;  // a list panel's text colour
    int32_t m_value3 = 0;   // the file dialog: 1 for a folder
    uint32_t m_colour = 0xff578bbb;
    uint8_t mb_greyed = 0;
    CSprite* mp_icon = nullptr;
    uint8_t mb_hasIcon = 0;
};

// The items of a drop-down or pop-up menu, with what both do with them.
class ItemList {
public:
    void AddListItem(const char* text, int value, CSprite* icon = nullptr);
    void ClearListItems();
    // Index of the first item with the value; 0 when none has it.
    int FindItemIndex(int value) const;
    int ItemCount() const { return static_cast<int>(mv_items.size()); }

    // Height of the items first .. first + count - 1 (a separator is 2 pixels).
    int ShownHeight(int first, int count) const;
    // The shown item at an offset from the top of the first shown row, or -1
    // below the last one.
    int ItemAtOffset(int first, int count, int offset) const;
    // first and count limited to the items.
    void ClampWindow(int& first, int count) const;
    // Calls draw(index, rowTop) for each shown item but the separators;
    // returns where the rows end.
    template <class Draw>
    int ForShownItems(int first, int count, int top, Draw draw) const {
        int last = first + count < ItemCount() ? first + count : ItemCount();
        for (int i = first > 0 ? first : 0; i < last; ++i) {
            if (mv_items[i].IsSeparator()) {
                top += SEPARATOR_HEIGHT;
                continue;
            }
            draw(i, top);
            top += ITEM_HEIGHT;
        }
        return top;
    }

    std::vector<ListItem> mv_items;
};

}  // namespace ravel
