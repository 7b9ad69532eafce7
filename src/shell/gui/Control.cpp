#include "shell/gui/Control.h"

#include <cstring>

#include "shell/Game.h"
#include "shell/platform/Clock.h"
#include "shell/platform/System.h"

namespace ravel {

const int g_dispatchKeys[] = {
    DIK_RETURN,    DIK_A,        DIK_B,       DIK_C,       DIK_D,       DIK_E,         DIK_F,
    DIK_G,         DIK_H,        DIK_I,       DIK_J,       DIK_K,       DIK_L,         DIK_M,
    DIK_N,         DIK_O,        DIK_P,       DIK_Q,       DIK_R,       DIK_S,         DIK_T,
    DIK_U,         DIK_V,        DIK_W,       DIK_X,       DIK_Y,       DIK_Z,         DIK_1,
    DIK_2,         DIK_3,        DIK_4,       DIK_5,       DIK_6,       DIK_7,         DIK_8,
    DIK_9,         DIK_0,        DIK_SPACE,   DIK_DELETE,  DIK_BACK,    DIK_SEMICOLON, DIK_APOSTROPHE,
    DIK_BACKSLASH, DIK_COMMA,    DIK_PERIOD,  DIK_SLASH,   DIK_ADD,     DIK_MINUS,     DIK_SUBTRACT,
    DIK_MULTIPLY,  DIK_DIVIDE,   DIK_NUMPAD0, DIK_NUMPAD1, DIK_NUMPAD2, DIK_NUMPAD3,   DIK_NUMPAD4,
    DIK_NUMPAD5,   DIK_NUMPAD6,  DIK_NUMPAD7, DIK_NUMPAD8, DIK_NUMPAD9, DIK_DECIMAL,   DIK_NUMPADEQUALS,
    DIK_LBRACKET,  DIK_RBRACKET,
};
const size_t g_dispatchKeyCount = sizeof g_dispatchKeys / sizeof g_dispatchKeys[0];

size_t CopyText(char* dest, size_t size, const char* text) {
    if (size == 0) return 0;
    size_t length = text ? strnlen(text, size - 1) : 0;
    std::memcpy(dest, text ? text : "", length);
    dest[length] = '\0';
    return length;
}

int64_t HoverDelay() {
    int64_t frequency = 0;
    // Three tenths of a second; the millisecond clock stands in without a counter.
    if (QueryPerformanceFrequency(&frequency) && frequency > 0) return frequency * 3 / 10;
    return 300;
}

int ShiftCode() {
    return g_system->KeyDown(DIK_LSHIFT) || g_system->KeyDown(DIK_RSHIFT) ? SHIFT_DOWN : SHIFT_UP;
}

CControl::CControl() {
    MeasureCaption();
    MeasureTooltip();
}

void CControl::Draw() {}
int CControl::HandleMouse(int, int, uint8_t, uint8_t) {
    return 0;
}
void CControl::HandleKey(int, int) {}
void CControl::MouseOutside(uint8_t, uint8_t) {}
void CControl::HandleText(const std::string&) {}

void CControl::SetCaption(const char* text) {
    CopyText(m_caption, sizeof m_caption, text);
    MeasureCaption();
}

void CControl::SetTooltip(const char* text) {
    CopyText(m_tooltip, sizeof m_tooltip, text);
    MeasureTooltip();
}

void CControl::Disable() {
    mb_disabled = 1;
    m_state = STATE_NORMAL;
}

void CControl::SetRect(int x, int y, int width, int height) {
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
}

static int MeasureText(CFont* font, const char* text) {
    if (!font || !g_system) return MEASURE_FALLBACK;
    return CSystem::TextWidth(font, text);
}

void CControl::MeasureCaption() {
    m_captionLength = static_cast<int32_t>(std::strlen(m_caption));
    m_captionWidth = MeasureText(g_game ? g_game->m_fontCaption.get() : nullptr, m_caption);
}

void CControl::MeasureTooltip() {
    m_tooltipWidth = MeasureText(g_game ? g_game->m_fontTooltip.get() : nullptr, m_tooltip);
}

bool CControl::Contains(int x, int y) const {
    return m_x <= x && x <= m_x + m_width && m_y <= y && y <= m_y + m_height;
}

const CSprite* CControl::Skin(int index) const {
    if (!mp_list || !mp_list->mp_skin || index < 0 || index >= SKIN_SPRITES) return nullptr;
    return &mp_list->mp_skin[index];
}

void CControl::DrawSkin(int index, int x, int y) const {
    // An unloaded sprite draws nothing.
    if (const CSprite* sprite = Skin(index); sprite && sprite->Loaded()) sprite->Draw(x, y);
}

void CControl::DrawTooltip() {
    if (!mb_visible || mb_disabled || m_hoverStart == NO_HOVER) return;
    if (g_system->m_presentTime - static_cast<int64_t>(m_hoverStart) <= HoverDelay()) return;
    if (std::strlen(m_tooltip) <= 2) return;
    int tx = m_x - 11;
    if (tx + m_tooltipWidth + 20 > SCREEN_WIDTH) {
        tx = SCREEN_WIDTH - 20 - m_tooltipWidth;
    } else if (tx < 5) {
        tx = 5;
    }
    g_system->FillRect(tx, m_y - 11, tx + m_tooltipWidth + 12, m_y + 11, 0xff000000);
    g_system->FillRect(tx + 1, m_y - 10, tx + m_tooltipWidth + 11, m_y + 10, 0xff5d61f7);
    g_system->DrawText(tx + 6, m_y - 8, ALIGN_LEFT, 0xffffffff, g_game->m_fontTooltip.get(), "%s", m_tooltip);
}

void ControlList::AddControl(CControl* control) {
    mv_controls.push_back(control);
    control->mp_list = this;
}

static bool IsOpen(const CControl* control) {
    return control->mb_visible && control->mb_expanded && !control->mb_disabled;
}

CControl* ControlList::OpenControl() const {
    for (auto it = mv_controls.rbegin(); it != mv_controls.rend(); ++it) {
        if (IsOpen(*it)) return *it;
    }
    return nullptr;
}

void ControlList::Draw() {
    if (!mp_skin) return;
    // The open control is the one that takes the input, so it lies on top.
    CControl* open = OpenControl();
    for (CControl* control : mv_controls) {
        if (control != open) control->Draw();
    }
    if (open) open->Draw();
    for (CControl* control : mv_controls) {
        if (!control->mb_noTooltip) control->DrawTooltip();
    }
}

int FirstDispatchKey() {
    for (size_t i = 0; i < g_dispatchKeyCount; ++i) {
        if (g_system->KeyDown(g_dispatchKeys[i])) return g_dispatchKeys[i];
    }
    return NO_KEY;
}

bool MouseFree(uint8_t leftDown) {
    if (!leftDown) g_system->mb_mouseConsumed = 0;
    return !g_system->mb_mouseConsumed;
}

void DispatchToControl(CControl& control, int x, int y, uint8_t leftDown, uint8_t rightDown, int key,
                       int shift) {
    if (key != NO_KEY) control.HandleKey(key, shift);
    control.HandleKey(NO_KEY, shift);
    if (!g_system->TypedText().empty()) control.HandleText(g_system->TypedText());
    control.m_state = STATE_NORMAL;
    if (control.Contains(x, y)) {
        if (control.m_hoverStart == NO_HOVER) {
            control.m_hoverStart = static_cast<uint64_t>(g_system->m_presentTime);
        }
        if (control.HandleMouse(x, y, leftDown, rightDown) == MOUSE_CONSUMED) {
            g_system->mb_mouseConsumed = 1;
        }
    } else {
        control.m_hoverStart = NO_HOVER;
        control.MouseOutside(g_system->mb_leftDown, g_system->mb_rightDown);
    }
}

void ControlList::DispatchMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) {
    if (!mb_isOverlay && mp_overlay && mp_overlay->OpenControl()) return;
    CControl* open = OpenControl();
    if (!MouseFree(leftDown)) return;
    int shift = ShiftCode();
    int key = FirstDispatchKey();
    // A control may add others to the list while it handles the mouse, so
    // walk a copy: what this tick began with.
    std::vector<CControl*> controls = mv_controls;
    for (CControl* control : controls) {
        if (g_system->mb_mouseConsumed) break;
        if (open && control != open) continue;
        if (!control->mb_visible || control->mb_disabled) continue;
        DispatchToControl(*control, x, y, leftDown, rightDown, key, shift);
    }
}

}  // namespace ravel
