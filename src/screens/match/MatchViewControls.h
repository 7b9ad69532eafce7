// The live match view's control groups, switched as play goes on: the side
// panel and the info panel hide while a ball is played back; the play
// buttons and the panel's mode follow whether the user's side bats or bowls.
// Also the highlight options and the selection window's two modes.
#pragma once

#include <cstdint>

namespace ravel {

class CComboBox;
struct HighlightFilters;

void HideBatsmenPanelControls();
void ShowBatsmenPanelControls();
void HideInfoPanelControls();
void ShowInfoPanelControls();
// Sets the buttons and the panel mode for the state of the user's match;
// with force false a stopped match (break, close, end) keeps its buttons.
void UpdateMatchControls(bool force);

// The nine highlight filters in the order of their tick boxes and labels.
struct FilterRow {
    uint8_t HighlightFilters::*filter;
    const char* label;
};
extern const FilterRow HIGHLIGHT_FILTER_ROWS[];

// The Highlights Options window: its tick boxes from the filters, shown on
// top; Done stores them and the speed; Select All and None tick the boxes.
void OpenHighlightsOptions();
void ApplyHighlightsOptions();
void SelectAllHighlights();
void SelectNoHighlights();

// The selection window, for the next bowler or the next batsman.
void OpenSelectBowler();
void OpenSelectBatsman();

// The info panel's page: its value in the drop-down, its name and whether it
// scrolls. Shows the page named by a tab code (MatchViewTab).
struct InfoTabRow {
    int32_t value;
    int32_t tab;
    const char* caption;
    bool scrolls;
};
extern const InfoTabRow INFO_TABS[];
extern const int INFO_TAB_COUNT;
void ShowInfoTab(int32_t tab);

// A drop-down names the item with the value; without one it stays as it is.
void ChooseItem(CComboBox* combo, int32_t value);

}  // namespace ravel
