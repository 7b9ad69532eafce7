#include "shell/gui/EditBox.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

namespace {

struct TypedKey {
    int key;
    char plain;
    char shifted;
};

// Each key has its own latch: its position here. Return and Backspace take
// the two slots after the table.
constexpr TypedKey TYPING_TABLE[] = {
    {DIK_A, 'a', 'A'},         {DIK_B, 'b', 'B'},
    {DIK_C, 'c', 'C'},         {DIK_D, 'd', 'D'},
    {DIK_E, 'e', 'E'},         {DIK_F, 'f', 'F'},
    {DIK_G, 'g', 'G'},         {DIK_H, 'h', 'H'},
    {DIK_I, 'i', 'I'},         {DIK_J, 'j', 'J'},
    {DIK_K, 'k', 'K'},         {DIK_L, 'l', 'L'},
    {DIK_M, 'm', 'M'},         {DIK_N, 'n', 'N'},
    {DIK_O, 'o', 'O'},         {DIK_P, 'p', 'P'},
    {DIK_Q, 'q', 'Q'},         {DIK_R, 'r', 'R'},
    {DIK_S, 's', 'S'},         {DIK_T, 't', 'T'},
    {DIK_U, 'u', 'U'},         {DIK_V, 'v', 'V'},
    {DIK_W, 'w', 'W'},         {DIK_X, 'x', 'X'},
    {DIK_Y, 'y', 'Y'},         {DIK_Z, 'z', 'Z'},
    {DIK_1, '1', '!'},         {DIK_2, '2', '"'},
    {DIK_3, '3', '\xa3'},      {DIK_4, '4', '$'},
    {DIK_5, '5', '5'},         {DIK_6, '6', '^'},
    {DIK_7, '7', '&'},         {DIK_8, '8', '*'},
    {DIK_9, '9', '('},         {DIK_0, '0', ')'},
    {DIK_SEMICOLON, ';', ':'}, {DIK_APOSTROPHE, '\'', '@'},
    {DIK_BACKSLASH, '/', '?'}, {DIK_COMMA, ',', '<'},
    {DIK_PERIOD, '.', '>'},    {DIK_SLASH, '\\', '|'},
    {DIK_LBRACKET, '[', '{'},  {DIK_RBRACKET, ']', '}'},
    {DIK_MINUS, '-', '-'},     {DIK_SPACE, ' ', ' '},
    {DIK_NUMPAD0, '0', '0'},   {DIK_NUMPAD1, '1', '1'},
    {DIK_NUMPAD2, '2', '2'},   {DIK_NUMPAD3, '3', '3'},
    {DIK_NUMPAD4, '4', '4'},   {DIK_NUMPAD5, '5', '5'},
    {DIK_NUMPAD6, '6', '6'},   {DIK_NUMPAD7, '7', '7'},
    {DIK_NUMPAD8, '8', '8'},   {DIK_NUMPAD9, '9', '9'},
    {DIK_DECIMAL, '.', '.'},   {DIK_ADD, '+', '+'},
    {DIK_SUBTRACT, '-', '-'},  {DIK_MULTIPLY, '*', '*'},
    {DIK_DIVIDE, '/', '/'},    {DIK_NUMPADEQUALS, '=', '='},
};
constexpr int TYPED_KEYS = sizeof TYPING_TABLE / sizeof TYPING_TABLE[0];
constexpr int RETURN_LATCH = TYPED_KEYS;
constexpr int BACKSPACE_LATCH = TYPED_KEYS + 1;
static_assert(BACKSPACE_LATCH < KEY_LATCHES);

}  // namespace

char TypedChar(int key, int shift, int* latch) {
    for (int i = 0; i < TYPED_KEYS; ++i) {
        if (TYPING_TABLE[i].key == key) {
            *latch = i;
            return shift == SHIFT_DOWN ? TYPING_TABLE[i].shifted : TYPING_TABLE[i].plain;
        }
    }
    *latch = -1;
    return 0;
}

CEditBox::CEditBox() {
    m_captionLength = 0;
    m_captionWidth = 0;
}

int CEditBox::HandleMouse(int x, int y, uint8_t leftDown, uint8_t) {
    if (mb_disabled || mb_visible != 1 || !Contains(x, y)) return 0;
    if (leftDown && !mb_focus) {
        m_hoverStart = NO_HOVER;
        mb_focus = 1;
        MeasureCaption();
    } else if (!leftDown) {
        m_state = STATE_HOVER;
    }
    return 0;
}

void CEditBox::MouseOutside(uint8_t leftDown, uint8_t) {
    if (leftDown) mb_focus = 0;
}

void CEditBox::HandleKey(int key, int shift) {
    if (!mb_focus || mb_visible != 1 || mb_disabled) return;
    if (key == DIK_RETURN) {
        mb_focus = 0;
        return;
    }
    for (int i = 0; i < TYPED_KEYS; ++i) {
        if (!g_system->KeyDown(TYPING_TABLE[i].key)) m_keyLatch[i] = 0;
    }
    if (!g_system->KeyDown(DIK_RETURN)) m_keyLatch[RETURN_LATCH] = 0;
    if (!g_system->KeyDown(DIK_BACK)) m_keyLatch[BACKSPACE_LATCH] = 0;

    if (key == DIK_BACK) {
        if (m_keyLatch[BACKSPACE_LATCH]) return;
        if (m_captionLength > 0) m_caption[m_captionLength - 1] = '\0';
        MeasureCaption();
        m_keyLatch[BACKSPACE_LATCH] = 1;
        return;
    }
    int limit = std::min<int>(m_maxLength, CAPTION_SIZE - 1);
    if (m_captionLength >= limit) return;
    int latch;
    char c = TypedChar(key, shift, &latch);
    if (!c || m_keyLatch[latch]) return;
    m_caption[m_captionLength] = c;
    m_caption[m_captionLength + 1] = '\0';
    MeasureCaption();
    m_keyLatch[latch] = 1;
}

void CEditBox::Draw() {
    if (!mb_visible) return;
    uint32_t textColour = m_textColour;
    if (mb_focus) {
        g_system->FillRect(m_x + 2, m_y + 2, m_x + m_width - 2, m_y + m_height - 2, 0xff646464);
        g_system->FillRect(m_x + m_captionWidth + 5, m_y + 2, m_x + m_captionWidth + 7, m_y + 28, 0xffff0000);
    } else if (m_state == STATE_HOVER) {
        g_system->FillRectBlended(m_x, m_y, m_x + m_width, m_y + m_height, 0xffff0000);
        g_system->FillRectBlended(m_x + 2, m_y + 2, m_x + m_width - 2, m_y + m_height - 2, 0xffffffff);
        textColour = m_hoverTextColour;
    } else {
        g_system->FillRectBlended(m_x, m_y, m_x + m_width, m_y + m_height, 0xffffffff);
    }
    CFont* font = g_game->m_fontCaption.get();
    if (m_align == 1) {
        g_system->DrawText(m_x + 5, m_y + m_height / 2 - 8, ALIGN_LEFT, textColour, font, "%s", m_caption);
    } else if (m_align == 3) {
        g_system->DrawText(m_x + m_width / 2 - 8, m_y, ALIGN_CENTRE, textColour, font, "%s", m_caption);
    }
    DrawTooltip();
}

}  // namespace ravel
