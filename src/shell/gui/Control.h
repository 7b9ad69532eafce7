// The skinned controls' base and the list that draws them and feeds them the
// mouse and keys once per tick. Controls are polled: a screen's Update reads
// a control's state word, acts on STATE_CLICKED and sets it back to normal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

class CSprite;
class ControlList;

// State words.
enum ControlStateWord : int32_t {
    STATE_NORMAL = 11,
    STATE_HOVER = 12,
    STATE_PRESSED = 13,
    STATE_CLICKED = 14,        // one tick long
    STATE_RIGHT_CLICKED = 15,  // hot spots
    STATE_MENU_HOVER = 204,    // pointer on an enabled pop-up menu item
};

// Press tracking of buttons, tick boxes and hot spots.
enum PressTracking : int32_t {
    PRESS_IDLE = 21,
    PRESS_LEFT = 22,
    PRESS_HOTSPOT_LEFT = 23,
    PRESS_HOTSPOT_RIGHT = 24,
};

inline constexpr int MOUSE_CONSUMED = 801;  // HandleMouse took the press
inline constexpr int SHIFT_UP = 100;
inline constexpr int SHIFT_DOWN = 101;
inline constexpr int NO_KEY = -1;
inline constexpr uint64_t NO_HOVER = 1;  // m_hoverStart: pointer not resting here
inline constexpr int CAPTION_SIZE = 100;
inline constexpr int TOOLTIP_SIZE = 256;
inline constexpr int KEY_LATCHES = 64;
inline constexpr int MEASURE_FALLBACK = 20;  // width when a text cannot be measured

// Copies at most size - 1 characters and always terminates; returns the
// length copied.
size_t CopyText(char* dest, size_t size, const char* text);

// How long the pointer rests on a control before its tooltip shows, in units
// of CSystem::m_presentTime.
int64_t HoverDelay();

// The keys that the list hands to its controls, in priority order.
extern const int g_dispatchKeys[];
extern const size_t g_dispatchKeyCount;

class CControl {
public:
    CControl();
    virtual ~CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    virtual void Draw();
    virtual int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown);
    virtual void HandleKey(int key, int shift);
    virtual void MouseOutside(uint8_t leftDown, uint8_t rightDown);
    // The tick's typed characters (CSystem::TypedText), for controls that take text.
    virtual void HandleText(const std::string& typed);

    void SetCaption(const char* text);  // cut to 99 characters
    void SetTooltip(const char* text);  // cut to 255 characters
    void Disable();
    void SetRect(int x, int y, int width, int height);
    void MeasureCaption();
    void MeasureTooltip();
    void DrawTooltip();
    // Edges included.
    bool Contains(int x, int y) const;
    // A skin sprite by index, or null when the control has no skinned list.
    const CSprite* Skin(int index) const;
    void DrawSkin(int index, int x, int y) const;

    int32_t m_x = 0, m_y = 0, m_width = 0, m_height = 0;
    int32_t m_state = STATE_NORMAL;
    uint8_t mb_visible = 1;
    uint8_t mb_disabled = 0;
    uint8_t m_keyLatch[KEY_LATCHES] = {};
    int32_t m_latch = 0;
    int32_t m_pressState = PRESS_IDLE;
    int32_t m_style = 0;
    uint8_t mb_expanded = 0;
    int32_t m_captionWidth = 0;
    int32_t m_tooltipWidth = 0;
    ControlList* mp_list = nullptr;
    char m_caption[CAPTION_SIZE] = {};
    int32_t m_captionLength = 0;
    char m_tooltip[TOOLTIP_SIZE] = {};
    uint64_t m_hoverStart = NO_HOVER;
    uint8_t mb_noTooltip = 0;
};

class ControlList {
public:
    void AddControl(CControl* control);
    void Add(CControl* control) { AddControl(control); }
    void Draw();
    void DispatchMouse(int x, int y, uint8_t leftDown, uint8_t rightDown);
    // The control that takes all input: the last open one.
    CControl* OpenControl() const;

    std::vector<CControl*> mv_controls;  // not owned
    uint8_t mb_isOverlay = 0;
    ControlList* mp_overlay = nullptr;
    CSprite* mp_skin = nullptr;  // first of the skin's sprites
};

// Shift code of this tick's keyboard.
int ShiftCode();
// The first key of the dispatch table that is down, or NO_KEY.
int FirstDispatchKey();
// Clears the mouse-consumed flag on a release; false while a press that a
// control consumed is still held.
bool MouseFree(uint8_t leftDown);
// One control's share of a dispatch: the key, the typed text, then the mouse.
void DispatchToControl(CControl& control, int x, int y, uint8_t leftDown, uint8_t rightDown, int key,
                       int shift);

}  // namespace ravel
