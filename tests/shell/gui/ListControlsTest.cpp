#include <string>

#include "shell/gui/ComboBox.h"
#include "shell/gui/GuiFixture.h"
#include "shell/gui/ListPanel.h"
#include "shell/gui/PopupMenu.h"

namespace ravel {
namespace {

class ListPanelTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_panel.SetRect(100, 100, 300, 200);
        m_list.AddControl(&m_panel);
    }
    void TearDown() override {
        m_panel.FreeLines();
        GuiTest::TearDown();
    }
    void Fill(int lines) {
        m_panel.FreeLines();
        for (int i = 0; i < lines; ++i) {
            auto* line = new ListItem;
            line->SetText(("Line " + std::to_string(i)).c_str());
            m_panel.mv_lines.push_back(line);
        }
        m_panel.UpdateScrollRange();
    }
    CListPanel m_panel;
};

TEST_F(ListPanelTest, Layout) {
    EXPECT_EQ(m_panel.m_visibleLines, 10);
    EXPECT_EQ(m_panel.m_scrollBar.m_x, 382);
    EXPECT_EQ(m_panel.m_scrollBar.m_y, 101);
    EXPECT_EQ(m_panel.m_scrollBar.m_height, 198);
    EXPECT_EQ(m_panel.m_scrollBar.m_position, 0);
}

TEST_F(ListPanelTest, ClickSelects) {
    struct Case {
        int lines;
        int x, y;
        int selected;
    };
    const Case cases[] = {
        {5, 150, 145, 2},  {5, 150, 100, 0}, {5, 150, 250, 4},  // below the last line: the last line
        {0, 150, 145, -1},                                      // nothing to select
        {5, 380, 145, 0},                                       // beside the scroll bar: unchanged
    };
    for (const Case& c : cases) {
        Fill(c.lines);
        m_panel.m_selected = 0;
        Tick(c.x, c.y, true);
        EXPECT_EQ(m_panel.m_state, STATE_CLICKED);
        Tick(c.x, c.y, false);
        EXPECT_EQ(m_panel.m_state, STATE_NORMAL);
        EXPECT_EQ(m_panel.GetSelection(), c.selected) << c.lines << " " << c.y;
        std::string expected = c.selected >= 0 ? "Line " + std::to_string(c.selected) : "";
        EXPECT_EQ(m_panel.GetSelectedText(), expected);
    }
}

TEST_F(ListPanelTest, ScrollRangeAndScrolledClicks) {
    Fill(5);
    EXPECT_EQ(m_panel.m_scrollBar.m_max, 100);  // too few lines: kept
    Fill(25);
    EXPECT_EQ(m_panel.m_scrollBar.m_max, 15);
    Click(390, 290);  // the bottom arrow
    EXPECT_EQ(m_panel.m_top, 1);
    Click(150, 105);
    EXPECT_EQ(m_panel.GetSelection(), 1);
    m_panel.SetSelection(30);
    EXPECT_EQ(m_panel.GetSelection(), 1);
    m_panel.SetSelection(24);
    EXPECT_EQ(m_panel.GetSelection(), 24);
}

class ComboBoxTest : public GuiTest {
protected:
    void Make(int y, int items) {
        m_combo.ClearListItems();
        for (int i = 0; i < items; ++i) {
            m_combo.AddListItem(("Item " + std::to_string(i)).c_str(), 100 + i);
        }
        m_combo.SetRect(100, y, 200, 25);
        m_combo.Collapse();
        m_list.mv_controls.clear();
        m_list.AddControl(&m_combo);
        Click(150, y + 10);
    }
    CComboBox m_combo;
};

TEST_F(ComboBoxTest, ChooseAnItem) {
    Make(100, 3);
    EXPECT_EQ(m_combo.m_comboState, COMBO_OPEN);
    EXPECT_EQ(m_combo.mb_expanded, 1);
    EXPECT_EQ(m_combo.m_height, 25 + 60);
    Tick(150, 170, false);
    EXPECT_EQ(m_combo.m_selected, 2);  // the highlight follows the pointer
    Tick(150, 150, true);
    EXPECT_EQ(m_combo.m_comboState, COMBO_PRESSED);
    Tick(150, 150, false);
    EXPECT_EQ(m_combo.m_comboState, COMBO_CHOSEN);
    EXPECT_EQ(m_system->mb_mouseConsumed, 1);
    EXPECT_EQ(m_combo.GetSelectedValue(), 101);
    m_combo.Collapse();
    EXPECT_EQ(m_combo.m_comboState, COMBO_CLOSED);
    EXPECT_EQ(m_combo.m_height, 25);
}

TEST_F(ComboBoxTest, ClosingWithoutAChoice) {
    Make(100, 3);
    Click(150, 110);  // the head again
    EXPECT_EQ(m_combo.m_comboState, COMBO_CLOSED);
    Make(100, 3);
    Tick(600, 600, true);  // a press elsewhere
    EXPECT_EQ(m_combo.m_comboState, COMBO_CLOSED);
    EXPECT_EQ(m_combo.mb_expanded, 0);
}

TEST_F(ComboBoxTest, ListsNearTheBottomScroll) {
    struct Case {
        int y, items;
        uint8_t scrolling;
        int visible;
    };
    const Case cases[] = {
        {100, 10, 0, 10}, {600, 10, 1, 1},  // (645 - 25 - 600) / 20
        {500, 30, 1, 6},  {660, 10, 1, 1},  // at least one item
        {700, 0, 1, 0},
    };
    for (const Case& c : cases) {
        Make(c.y, c.items);
        EXPECT_EQ(m_combo.mb_scrolling, c.scrolling) << c.y;
        EXPECT_EQ(m_combo.m_visibleCount, c.visible) << c.y;
        int drawn = 25 + 20 * c.visible + (c.scrolling ? 40 : 0);
        EXPECT_EQ(m_combo.m_height, drawn) << c.y;
        m_combo.Draw();
    }
}

TEST_F(ComboBoxTest, ScrollStripsAndPressesBelowTheList) {
    Make(600, 10);
    Click(150, 600 + 25 + 20 + 25);  // the down strip
    EXPECT_EQ(m_combo.m_first, 1);
    EXPECT_EQ(m_combo.GetSelectedValue(), 0);
    EXPECT_EQ(m_combo.m_comboState, COMBO_OPEN);
    Click(150, 600 + 25 + 10);  // the up strip
    EXPECT_EQ(m_combo.m_first, 0);
    // Where a 20-pixel row per item would reach, below the drawn list.
    Click(150, 600 + 25 + 20 * 9);
    EXPECT_EQ(m_combo.m_comboState, COMBO_CLOSED);
    Make(600, 10);
    Tick(150, 600 + 25 + 20 + 25, true);
    Tick(150, 600 + 25 + 20 + 25, false);
    Click(150, 600 + 25 + 30);
    EXPECT_EQ(m_combo.m_comboState, COMBO_CHOSEN);
    EXPECT_EQ(m_combo.GetSelectedValue(), 101);
}

TEST_F(ComboBoxTest, PageKeysAndWheel) {
    struct Step {
        int key;
        int wheel;
        int first;
    };
    const Step steps[] = {
        {NO_KEY, -120, 0},  // towards the user: earlier, already at the top
        {NO_KEY, 120, 1},  {DIK_END, 0, 24}, {DIK_PRIOR, 0, 9}, {DIK_NEXT, 0, 24}, {DIK_HOME, 0, 0},
    };
    Make(500, 30);
    for (const Step& s : steps) {
        if (s.key != NO_KEY) Press(s.key);
        if (s.wheel) Wheel(s.wheel);
        Tick(150, 560, false);
        if (s.key != NO_KEY) Release(s.key);
        EXPECT_EQ(m_combo.m_first, s.first) << s.key << " " << s.wheel;
    }
    Press(DIK_LCONTROL);
    Wheel(120);
    Tick(150, 560, false);
    EXPECT_EQ(m_combo.m_first, 6);
}

class PopupMenuTest : public GuiTest {
protected:
    void Make(int y, int items) {
        m_menu.ClearListItems();
        for (int i = 0; i < items; ++i) m_menu.AddListItem(("Entry " + std::to_string(i)).c_str(), i + 1);
        m_list.mv_controls.clear();
        m_list.AddControl(&m_menu);
        m_menu.Open(100, y);
    }
    CPopupMenu m_menu;
};

TEST_F(PopupMenuTest, OpeningNearTheBottom) {
    struct Case {
        int y, items;
        uint8_t scrolling;
        int visible, height;
    };
    const Case cases[] = {
        {100, 5, 0, 5, 100},
        {600, 5, 1, 4, 120},  // 700 passes 685: (685 - 600) / 20 items
        {680, 3, 1, 1, 60},   // at least one item
    };
    for (const Case& c : cases) {
        Make(c.y, c.items);
        EXPECT_EQ(m_menu.mb_scrolling, c.scrolling) << c.y;
        EXPECT_EQ(m_menu.m_visibleCount, c.visible) << c.y;
        EXPECT_EQ(m_menu.m_height, c.height) << c.y;
        EXPECT_EQ(m_menu.m_chosen, -1);
        m_menu.Draw();
    }
}

TEST_F(PopupMenuTest, ChoosingAnItem) {
    Make(100, 5);
    Tick(150, 130, false);
    EXPECT_EQ(m_menu.m_state, STATE_MENU_HOVER);
    EXPECT_EQ(m_menu.m_chosen, 1);
    Tick(150, 150, true);
    EXPECT_EQ(m_menu.m_menuState, MENU_CHOSEN);
    EXPECT_EQ(m_menu.mb_expanded, 0);
    EXPECT_EQ(m_system->mb_mouseConsumed, 1);
    EXPECT_EQ(m_menu.GetChosenValue(), 3);
    Tick(150, 150, false);
    // No longer drawn, so no longer clicked.
    Click(150, 170);
    EXPECT_EQ(m_menu.m_menuState, MENU_CHOSEN);
    EXPECT_EQ(m_menu.m_chosen, 2);
}

TEST_F(PopupMenuTest, GreyedItemsAndSeparatorsCannotBeChosen) {
    m_menu.ClearListItems();
    m_menu.AddListItem("First", 1);
    m_menu.AddListItem("SEPERATOR", SEPARATOR_VALUE);
    m_menu.AddListItem("Greyed", 2);
    m_menu.AddListItem("Last", 3);
    m_menu.mv_items[2].mb_greyed = 1;
    m_list.AddControl(&m_menu);
    m_menu.Open(100, 100);
    EXPECT_EQ(m_menu.m_height, 62);  // a separator is 18 pixels shorter
    struct Case {
        int y;
        int chosen;
    };
    for (Case c : {Case{121, 1}, Case{125, 2}, Case{150, 3}}) {
        Tick(150, 100 + c.y - 100, true);
        EXPECT_EQ(m_menu.m_chosen, c.chosen);
        EXPECT_EQ(m_system->mb_mouseConsumed, 1);
        Tick(150, 100 + c.y - 100, false);
        EXPECT_EQ(m_menu.m_menuState, c.chosen == 3 ? MENU_CHOSEN : MENU_OPEN) << c.y;
    }
}

TEST_F(PopupMenuTest, ScrollStrips) {
    Make(600, 6);
    Click(150, 600 + 20 + 80 + 5);  // the down strip
    EXPECT_EQ(m_menu.m_first, 1);
    Click(150, 600 + 20 + 80 + 5);
    Click(150, 600 + 20 + 80 + 5);  // stops at items - shown
    EXPECT_EQ(m_menu.m_first, 2);
    EXPECT_EQ(m_menu.m_menuState, MENU_OPEN);
    Tick(150, 600 + 25, true);
    EXPECT_EQ(m_menu.GetChosenValue(), 3);
}

TEST_F(PopupMenuTest, PressOutsideCloses) {
    Make(300, 3);
    Tick(50, 50, true);
    EXPECT_EQ(m_menu.m_menuState, MENU_CLOSED);
    EXPECT_EQ(m_menu.mb_visible, 0);
    EXPECT_EQ(m_menu.m_x, 100);
    EXPECT_EQ(m_menu.m_y, 300);
    EXPECT_EQ(m_menu.FindItemIndex(3), 2);
    EXPECT_EQ(m_menu.FindItemIndex(99), 0);
    m_menu.m_chosen = -1;
    EXPECT_EQ(m_menu.GetChosenValue(), 0);
}

TEST_F(PopupMenuTest, SubMenuKeepsItsParentDrawn) {
    CPopupMenu parent;
    parent.AddListItem("Domestic Cricket", -1);
    parent.mv_items[0].m_colour = 0xff123456;
    m_list.AddControl(&parent);
    parent.Open(100, 100);
    parent.Close();
    Make(300, 2);
    m_menu.SetParent(&parent);
    m_system->Clear(0xff000000);
    m_list.Draw();
    EXPECT_EQ(m_system->Screen().Pixel(190, 102), 0xff123456u);
    EXPECT_EQ(parent.m_menuState, MENU_CLOSED);
}

}  // namespace
}  // namespace ravel
