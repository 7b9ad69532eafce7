// What the club team page and the country page share: one side under tabs,
// its squad list, its fixtures by season and its eleven on the Tactics tab,
// with the coach's position and role pop-ups, the "Apply" button for a vacant
// post and the day machine's call to pick the eleven. What tells the two
// kinds apart lies in their SideKind; what only one of them has lies in its
// own class (TeamScreen.h, CountryScreen.h).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "screens/team/ElevenMenus.h"
#include "screens/team/PlayerLists.h"
#include "season/Fixtures.h"
#include "season/Lists.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class CComboBox;
class CHotSpot;
class CPopupMenu;
class CScrollBar;
struct PageChoices;
struct UserCoach;

// The tabs both kinds have, under the same numbers.
inline constexpr int32_t SIDE_PAGE_SQUAD = 5001;
inline constexpr int32_t SIDE_PAGE_FIXTURES = 5002;

// The most row hot spots a side page places.
inline constexpr int SIDE_ROW_SPOTS = 25;

// The shown side's record as both kinds have it; nothing without one.
struct SideRecord {
    int32_t id = 0;
    const char* name = nullptr;
    int32_t coach = 0;  // StaffMember id, below 1 when vacant
    uint8_t human = 0;
    int32_t (*xi)[XI_SIZE] = nullptr;
    const std::vector<Application>* applications = nullptr;

    explicit operator bool() const { return name != nullptr; }
};

// A column of the Fixtures tab.
struct FixtureColumn {
    const char* heading;
    int x;
};

// What the club page and the country page do differently.
struct SideKind {
    int32_t screen;
    int32_t firstSide;  // the side shown before any other
    int32_t tacticsPage;
    std::array<int32_t, 5> pages;       // the tabs, 0 past the last
    std::array<int32_t, 2> coachPages;  // the tabs only the side's coach opens
    PageChoices UserCoach::*choices;    // where the user's choices are saved
    ListPage listPage;
    SlotNames slotNames;
    bool national;    // the assistant picks for a national side
    int listRows;     // squad rows shown at once
    int rowSpots;     // row hot spots made
    int fixtureRows;  // fixture rows shown at once
    // The right click that places a player in the eleven works on Squad too.
    bool positionOnSquad;
    // On the eleven's panel the right button selects the batting slot too.
    bool rightSelects;
    // Up and Down move the eleven only of a side with a human coach.
    bool orderNeedsHuman;
    // A tour match's row opens the home side's page (else the away side's).
    bool tourOpensHome;
    bool seriesBetweenCountries;
    // The Fixtures tab names the ground (else "Home", "Away" or "Neutral").
    bool venueIsGround;
    // The season drop-down lists only seasons with fixtures, newest first
    // (else every season, oldest first, the newest chosen).
    bool seasonsNewestFirst;
    std::array<FixtureColumn, 5> fixtureColumns;
    // The tab buttons' places: Squad, Fixtures, Tactics.
    std::array<int, 3> tabX;
    int tabY;
    int tabWidth;
    const char* fixturesTooltip;
    int orderButtonWidth;  // "Up" and "Down"
    const char* autoTooltip;
    SideRecord (*find)(int32_t id);
    void (*applyForJob)(int32_t id, int staffId);
    // The user coaches the side.
    bool (*userIsCoach)(int32_t id);
    // The side's next match.
    NextMatch (*nextMatch)(int32_t id);
};

class CSideScreen : public CScreen {
public:
    explicit CSideScreen(const SideKind& kind) : m_kind(kind) { m_kept.side = kind.firstSide; }

    // The subject: m_id, the side's id.
    void SetSubject(const ScreenSubject& subject) override { m_kept.side = subject.m_id; }
    ScreenSubject Subject() const override { return {m_kept.side}; }
    void Reset() override { m_kept = {m_kind.firstSide}; }

    // Shows, hides and places the controls for the tab shown.
    virtual void Layout() = 0;
    // Sorts the list shown by the view's column of that value.
    virtual void SortList(int view, int value) = 0;
    // The day machine's call: the side's Tactics is shown at once on an open
    // page, else when the page next opens (at once when `open`).
    void ShowForDay(int32_t side, bool open);

    const SideKind& Kind() const { return m_kind; }
    int32_t Side() const { return m_kept.side; }
    bool IsOpen() const { return m_open; }
    bool UserIsCoach() const { return m_kind.userIsCoach(m_kept.side); }
    int ScrollPosition() const;
    void AutoSelect();

    // Kept between visits.
    struct Kept {
        int32_t side = 0;
        int32_t requestedPage = 0;  // the tab the next Enter opens on; 0 none
        int32_t battingSlot = 0;
    } m_kept;

    // Set fresh by Enter.
    int32_t m_page = SIDE_PAGE_SQUAD;
    int32_t m_view = VIEW_BASIC;
    NextMatch m_next;  // the side's next match, for the Next Match box
    int32_t m_roleRow = -1;
    int32_t m_positionPlayer = 0;  // the player the position pop-up places
    std::vector<int32_t> mv_squad;
    std::vector<FixtureListEntry> mv_fixtures;
    bool m_open = false;

    // Made by Enter, freed by Leave.
    CComboBox* m_comboView = nullptr;
    CComboBox* m_comboSort = nullptr;
    CComboBox* m_comboSeason = nullptr;
    CPopupMenu* m_menuPosition = nullptr;
    CPopupMenu* m_menuRole = nullptr;
    CButton* m_btnSquad = nullptr;
    CButton* m_btnFixtures = nullptr;
    CButton* m_btnTactics = nullptr;
    CButton* m_btnApply = nullptr;
    CButton* m_btnUp = nullptr;
    CButton* m_btnDown = nullptr;
    CButton* m_btnAuto = nullptr;
    CHotSpot* m_rows[SIDE_ROW_SPOTS] = {};
    CHotSpot* m_profileSpot = nullptr;
    CScrollBar* m_scroll = nullptr;

protected:
    ScreenControls m_controls;

    // The assistant picks for one-day cricket.
    virtual bool OneDayCricket() const { return false; }
    // A picture of the side in the frame's left column.
    virtual void DrawPicture() const {}

    SideRecord Shown() const { return m_kind.find(m_kept.side); }
    int32_t (*Eleven() const)[XI_SIZE] { return Shown().xi; }

    // Enter's common part, before the kind's own controls are made: the page
    // the visit opens on and the date display.
    void BeginVisit();
    // The page a caller asked for, else the saved one, else Squad.
    int32_t OpeningPage(const PageChoices* saved) const;
    // A tab the kind has not got, or a coach's own tab for anyone else,
    // falls back to Squad.
    int32_t CheckedPage(int32_t page) const;
    // The current user's choices saved by an earlier Leave; nullptr for none.
    const PageChoices* SavedChoices() const;
    // The view and sort drop-downs take the saved positions that still name
    // an item, and the view follows.
    void RestoreListChoices(const PageChoices& saved);
    // Leave's record of the drop-downs, the tab and the view; nullptr
    // without a user.
    PageChoices* SaveChoices() const;
    // After the page is chosen: the next match, the selections and the open flag.
    void EndVisit();
    // Leave's common part: the lists emptied and every control freed.
    void EndControls(std::initializer_list<CComboBox*> combos, std::initializer_list<CPopupMenu*> menus);

    // A combo box of the tab row's height.
    CComboBox* AddCombo(int x, int y, int width, const char* caption, const char* tooltip);
    // The buttons both kinds make, in a table the kind orders.
    ScreenControls::ButtonRow TabRow(int tab);
    ScreenControls::ButtonRow ApplyRow();
    ScreenControls::ButtonRow OrderRow(bool up);
    ScreenControls::ButtonRow AutoRow();

    // "Apply" shown for a vacant post, disabled once the user has applied.
    void ShowApply();
    void Apply();
    void PlaceScroll(int x, int y, int width, int height, int entries, int rows);
    void PlaceRows(int x, int top, int width);
    // Row hot spots follow the rows that hold an entry.
    void FitRows(int entries, int rows);

    void FillSeasonList();
    void LoadFixtures(int season);

    // A view chosen in the view drop-down; a key in the sort drop-down.
    void TakeViewChoice();
    void TakeSortChoice();
    // A clicked list row opens its player; a right click places him in the
    // eleven. True when a page opened.
    bool TakeListRow(bool onList);
    // The Tactics tab: Up, Down, the eleven's panel and the role pop-up.
    void TakeTactics();
    // The season drop-down and the fixture rows; true when a page opened.
    bool TakeFixtures();

    // The frame, the shaded panels of the tab and the side's name.
    void DrawHeader() const;
    // The Tactics tab's right half: the eleven and the Next Match box.
    void DrawSelection() const;
    void DrawFixturesPage() const;

private:
    const SideKind& m_kind;

    void OpenPositionMenu(int row, int32_t playerId);
};

}  // namespace ravel
