// The news page's small career world, with what the competition, series and
// records screens read: drawn texts looked up by their words, and choices
// made in a drop-down as a player makes them.
#pragma once

#include <string>

#include "NewsFixture.h"
#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/RecordsScreen.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/menus/SeriesOverviewScreen.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/PopupMenu.h"

namespace ravel {

inline CCompetitionScreen& Comp() {
    return TheScreen<CCompetitionScreen>();
}
inline CSeriesOverviewScreen& Overview() {
    return TheScreen<CSeriesOverviewScreen>();
}

class CompetitionWorldTest : public NewsWorldTest {
protected:
    // The texts of a fresh frame.
    const std::vector<DrawnText>& Texts() {
        m_game->RenderFrame();
        return m_system->HeadlessInput()->mv_texts;
    }
    // The first text of the frame that holds the words; nullptr when none does.
    const DrawnText* Find(const std::string& words) {
        for (const DrawnText& t : Texts())
            if (t.text.find(words) != std::string::npos) return &t;
        return nullptr;
    }
    bool Shows(const std::string& words) { return Find(words) != nullptr; }
    const DrawnText* FindExact(const std::string& text) {
        for (const DrawnText& t : Texts())
            if (t.text == text) return &t;
        return nullptr;
    }

    // Opens the drop-down, then clicks the item with the value.
    void Choose(CComboBox* combo, int value) {
        Tap(combo);
        Idle(2);
        const int index = combo->FindItemIndex(value);
        const int first = combo->m_first;
        const int strip = combo->mb_scrolling ? SCROLL_STRIP : 0;
        ClickAt(combo->m_x + 40, combo->m_y + combo->m_collapsedHeight + strip + 20 * (index - first) + 10);
        Idle();
    }

    // Clicks the item of an open pop-up menu that reads the text; false when
    // the menu has none.
    bool ChooseMenuItem(const CPopupMenu* menu, const std::string& text) {
        Idle();
        for (int index = 0; index < menu->ItemCount(); ++index) {
            if (text != menu->mv_items[index].m_text) continue;
            const int strip = menu->mb_scrolling ? SCROLL_STRIP : 0;
            ClickAt(menu->m_x + 40, menu->m_y + strip +
                                        menu->ShownHeight(menu->m_first, index - menu->m_first) +
                                        ITEM_HEIGHT / 2);
            return true;
        }
        return false;
    }

    void OpenCompetition(int id) {
        m_game->OpenScreen(SCREEN_COMPETITION, {id});
        Idle(2);
    }
    void OpenSeries(int id) {
        m_game->OpenScreen(SCREEN_SERIES, {id, SubjectOf(SCREEN_SERIES).m_kind});
        Idle(2);
    }
};

}  // namespace ravel
