#include "shell/gui/MessageBox.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/Keys.h"
#include "shell/platform/System.h"

namespace ravel {

CDialog* CMessageBox::s_dialog = nullptr;
CButton* CMessageBox::s_buttons[CMessageBox::BUTTONS] = {};
int32_t CMessageBox::s_messageAnswer = 0;
char CMessageBox::s_messageText[MESSAGE_TEXT_SIZE] = {};
int32_t CMessageBox::s_messageIndex = -1;
std::vector<QueuedMessage> CMessageBox::s_messageQueue;

namespace {

using MB = CMessageBox;

// Escape as it was in the last tick the box saw: a press answers one
// question, and a key held since before the box opened answers none.
bool s_escapeHeld = false;

bool EscapeDown() {
    return g_system && g_system->KeyDown(DIK_ESCAPE);
}

struct BoxButton {
    const char* caption;
    int x, y;
    int32_t kind;
    int32_t answer;
};

constexpr BoxButton BOX_BUTTONS[MB::BUTTONS] = {
    {"OK", 150, 80, MSG_OK, ANSWER_OK},
    {"OK", 60, 80, MSG_OK_CANCEL, ANSWER_OK_CANCEL},
    {"Cancel", 240, 80, MSG_OK_CANCEL, ANSWER_CANCEL},
    {"Yes", 60, 80, MSG_YES_NO, ANSWER_YES},
    {"No", 240, 80, MSG_YES_NO, ANSWER_NO},
};

bool KnownKind(int32_t kind) {
    return kind == MSG_OK || kind == MSG_YES_NO || kind == MSG_OK_CANCEL;
}

// The open box lies above every other control of the side bar.
void BringToFront() {
    if (!g_game) return;
    auto& controls = g_game->m_sideBarList.mv_controls;
    auto it = std::find(controls.begin(), controls.end(), MB::s_dialog);
    if (it == controls.end()) return;
    controls.erase(it);
    controls.push_back(MB::s_dialog);
}

}  // namespace

void QueueMessage(const char* text, int kind) {
    QueuedMessage entry;
    CopyText(entry.text, sizeof entry.text, text);
    entry.kind = kind;
    auto& queue = MB::s_messageQueue;
    queue.erase(
        std::remove_if(queue.begin(), queue.end(), [](const QueuedMessage& m) { return m.answered != 0; }),
        queue.end());
    queue.push_back(entry);
}

bool CreateMessageBox() {
    auto* dialog = new CDialog;
    dialog->SetRect(292, 324, 440, 150);
    dialog->SetCaption("Ravelstone");
    dialog->m_locked = 1;
    dialog->mb_closeZone = 0;
    dialog->mb_visible = 0;
    dialog->mp_drawCallback = DrawMessageBoxText;
    MB::s_dialog = dialog;
    if (g_game) g_game->m_sideBarList.AddControl(dialog);
    for (int i = 0; i < MB::BUTTONS; ++i) {
        auto* button = new CButton;
        button->SetCaption(BOX_BUTTONS[i].caption);
        button->SetRect(BOX_BUTTONS[i].x, BOX_BUTTONS[i].y, 110, 30);
        MB::s_buttons[i] = button;
        dialog->AddChild(button);
    }
    return true;
}

void ReleaseMessageBox() {
    if (g_game && MB::s_dialog) {
        auto& controls = g_game->m_sideBarList.mv_controls;
        controls.erase(std::remove(controls.begin(), controls.end(), MB::s_dialog), controls.end());
    }
    delete MB::s_dialog;
    MB::s_dialog = nullptr;
    for (CButton*& button : MB::s_buttons) {
        delete button;
        button = nullptr;
    }
}

bool MessageBoxOpen() {
    return MB::s_dialog && MB::s_dialog->mb_visible;
}

void PumpMessageBox() {
    if (!MB::s_dialog || MB::s_dialog->mb_visible) return;
    MB::s_messageIndex = 0;
    auto& queue = MB::s_messageQueue;
    auto it =
        std::find_if(queue.begin(), queue.end(), [](const QueuedMessage& m) { return m.answered == 0; });
    if (it == queue.end()) return;
    int position = static_cast<int>(it - queue.begin());
    MB::s_messageIndex = position;
    // An unknown kind is never shown; it holds up the queue behind it.
    if (!KnownKind(it->kind)) return;
    CopyText(MB::s_messageText, sizeof MB::s_messageText, it->text);
    MB::s_dialog->mb_visible = 1;
    MB::s_dialog->mb_expanded = 1;  // modal: the controls behind it wait
    for (int i = 0; i < MB::BUTTONS; ++i) {
        MB::s_buttons[i]->m_state = STATE_NORMAL;
        MB::s_buttons[i]->mb_visible = BOX_BUTTONS[i].kind == it->kind;
    }
    s_escapeHeld = EscapeDown();
    BringToFront();
}

void HandleMessageBoxButtons() {
    const bool escape = EscapeDown() && !s_escapeHeld;
    s_escapeHeld = EscapeDown();
    for (int i = 0; i < MB::BUTTONS; ++i) {
        const CButton* button = MB::s_buttons[i];
        if (!button) continue;
        // Escape gives a question's negative answer.
        const bool negative = (i == MB::CANCEL || i == MB::NO) && button->mb_visible;
        if (button->m_state == STATE_CLICKED || (escape && negative)) {
            MB::s_messageAnswer = BOX_BUTTONS[i].answer;
            CloseMessageBox(i == MB::YES);
            return;
        }
    }
}

void CloseMessageBox(bool yesPressed) {
    auto& queue = MB::s_messageQueue;
    int index = MB::s_messageIndex;
    if (index >= 0 && index < static_cast<int>(queue.size())) queue.erase(queue.begin() + index);
    if (yesPressed && g_game) {
        // The only question is the exit question: the game ends here.
        g_game->m_running = false;
        ChangeScreen(SCREEN_START_MENU);
        return;
    }
    MB::s_messageIndex = -1;
    if (MB::s_dialog) {
        MB::s_dialog->mb_visible = 0;
        MB::s_dialog->mb_expanded = 0;
        MB::s_dialog->m_state = STATE_NORMAL;
    }
}

void DrawMessageBoxText() {
    const CDialog* d = MB::s_dialog;
    g_system->DrawTextInRect(d->m_x + 10, d->m_y + 30, d->m_x + d->m_width - 10, d->m_y + d->m_height - 10,
                             ALIGN_LEFT, 0xffffffff, g_system->mp_systemFont.get(), "%s", MB::s_messageText);
}

void DrawMessageBoxAlone() {
    if (MessageBoxOpen()) MB::s_dialog->Draw();
}

void DispatchMessageBoxAlone(int x, int y, uint8_t leftDown, uint8_t rightDown) {
    if (!MessageBoxOpen() || !MouseFree(leftDown)) return;
    DispatchToControl(*MB::s_dialog, x, y, leftDown, rightDown, FirstDispatchKey(), ShiftCode());
}

}  // namespace ravel
