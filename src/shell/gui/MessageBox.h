// The game's modal message box: messages queue up and are shown one at a
// time, each with the buttons of its kind; the answer stays readable until
// the next one.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Services.h"

namespace ravel {

class CButton;
class CDialog;

enum MessageAnswer : int32_t {
    ANSWER_OK = 301,         // the single OK
    ANSWER_OK_CANCEL = 302,  // OK beside Cancel
    ANSWER_CANCEL = 303,
    ANSWER_YES = 304,
    ANSWER_NO = 305,
};

inline constexpr int MESSAGE_TEXT_SIZE = MESSAGE_TEXT_LIMIT + 1;

struct QueuedMessage {
    char text[MESSAGE_TEXT_SIZE] = {};
    int32_t kind = MSG_OK;
    uint8_t answered = 0;
};

struct CMessageBox {
    enum Button { SINGLE_OK, OK_OF_OK_CANCEL, CANCEL, YES, NO, BUTTONS };

    static CDialog* s_dialog;
    static CButton* s_buttons[BUTTONS];
    static int32_t s_messageAnswer;
    static char s_messageText[MESSAGE_TEXT_SIZE];
    static int32_t s_messageIndex;
    static std::vector<QueuedMessage> s_messageQueue;
};

// Queues a message for the box: what ShowMessage does once the shell's
// services are installed. Answered entries leave the queue first; text
// longer than 255 characters is cut.
void QueueMessage(const char* text, int kind);
// Builds the box into the side bar's list.
bool CreateMessageBox();
void PumpMessageBox();
void HandleMessageBoxButtons();
void CloseMessageBox(bool yesPressed);
void DrawMessageBoxText();
void ReleaseMessageBox();
bool MessageBoxOpen();

// Full-screen screens draw no side bar and feed it no mouse; the box is
// served through these there, so a question never waits unseen.
void DrawMessageBoxAlone();
void DispatchMessageBoxAlone(int x, int y, uint8_t leftDown, uint8_t rightDown);

}  // namespace ravel
