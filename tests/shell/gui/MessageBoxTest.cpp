#include <string>
#include <vector>

#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/GuiFixture.h"
#include "shell/gui/MessageBox.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

// The box lives in the side bar's list; the screen's list has it as overlay.
class MessageBoxTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        CMessageBox::s_messageQueue.clear();
        CMessageBox::s_messageAnswer = 0;
        CMessageBox::s_messageIndex = -1;
        InstallServices(nullptr);
        m_game->m_sideBarList.mb_isOverlay = 1;
        m_game->m_sideBarList.mp_skin = m_game->m_skin.Sprites();
        m_game->m_running = true;
        m_list.mp_overlay = &m_game->m_sideBarList;
        ASSERT_TRUE(CreateMessageBox());
    }
    void TearDown() override {
        ReleaseMessageBox();
        GuiTest::TearDown();
    }
    // One game tick as the main loop runs it on a framed screen: the
    // screen's controls, the side bar's, the buttons of an open box, the pump.
    void GameTick(int x, int y, bool left) {
        ReadInput(x, y, left);
        m_list.DispatchMouse(x, y, left, false);
        m_game->m_sideBarList.DispatchMouse(x, y, left, false);
        if (MessageBoxOpen()) HandleMessageBoxButtons();
        PumpMessageBox();
    }
    void ClickButton(int button) {
        const CButton* b = CMessageBox::s_buttons[button];
        int x = 292 + b->m_x + 50, y = 324 + 25 + b->m_y + 15;
        GameTick(x, y, true);
        GameTick(x, y, false);
    }
};

TEST_F(MessageBoxTest, EachButtonGivesItsAnswer) {
    struct Case {
        int kind;
        int button;
        int32_t answer;
    };
    const Case cases[] = {
        {MSG_OK, CMessageBox::SINGLE_OK, ANSWER_OK},
        {MSG_OK_CANCEL, CMessageBox::OK_OF_OK_CANCEL, ANSWER_OK_CANCEL},
        {MSG_OK_CANCEL, CMessageBox::CANCEL, ANSWER_CANCEL},
        {MSG_YES_NO, CMessageBox::NO, ANSWER_NO},
    };
    for (const Case& c : cases) {
        QueueMessage("Question", c.kind);
        GameTick(0, 0, false);
        ASSERT_TRUE(MessageBoxOpen());
        for (int i = 0; i < CMessageBox::BUTTONS; ++i) {
            bool shown = CMessageBox::s_buttons[i]->mb_visible;
            bool wanted = (c.kind == MSG_OK && i == CMessageBox::SINGLE_OK) ||
                          (c.kind == MSG_OK_CANCEL &&
                           (i == CMessageBox::OK_OF_OK_CANCEL || i == CMessageBox::CANCEL)) ||
                          (c.kind == MSG_YES_NO && (i == CMessageBox::YES || i == CMessageBox::NO));
            EXPECT_EQ(shown, wanted) << c.kind << " button " << i;
        }
        ClickButton(c.button);
        EXPECT_EQ(CMessageBox::s_messageAnswer, c.answer);
        EXPECT_FALSE(MessageBoxOpen());
        EXPECT_TRUE(CMessageBox::s_messageQueue.empty());
    }
    EXPECT_TRUE(m_game->m_running);
}

TEST_F(MessageBoxTest, EscapeGivesAQuestionsNegativeAnswerOncePerPress) {
    struct Case {
        int kind;
        int32_t answer;  // 0: the box stays open
    };
    const Case cases[] = {
        {MSG_YES_NO, ANSWER_NO},
        {MSG_OK_CANCEL, ANSWER_CANCEL},
        {MSG_OK, 0},
    };
    for (const Case& c : cases) {
        if (MessageBoxOpen()) CloseMessageBox(false);
        CMessageBox::s_messageQueue.clear();
        CMessageBox::s_messageAnswer = 0;
        QueueMessage("Question", c.kind);
        QueueMessage("Next question", c.kind);
        GameTick(0, 0, false);
        ASSERT_TRUE(MessageBoxOpen());
        Press(DIK_ESCAPE);
        for (int tick = 0; tick < 3; ++tick) GameTick(0, 0, false);
        Release(DIK_ESCAPE);
        GameTick(0, 0, false);
        EXPECT_EQ(CMessageBox::s_messageAnswer, c.answer) << c.kind;
        EXPECT_STREQ(CMessageBox::s_messageText, c.answer ? "Next question" : "Question")
            << "a held key answers one question";
        EXPECT_TRUE(MessageBoxOpen());
    }
    EXPECT_TRUE(m_game->m_running);

    // Escape held from before the box opened answers nothing.
    CloseMessageBox(false);
    CMessageBox::s_messageQueue.clear();
    CMessageBox::s_messageAnswer = 0;
    Press(DIK_ESCAPE);
    GameTick(0, 0, false);
    QueueMessage("Are you sure you wish to exit?", MSG_YES_NO);
    for (int tick = 0; tick < 3; ++tick) GameTick(0, 0, false);
    EXPECT_TRUE(MessageBoxOpen());
    EXPECT_EQ(CMessageBox::s_messageAnswer, 0);
    Release(DIK_ESCAPE);
    GameTick(0, 0, false);
    Press(DIK_ESCAPE);
    GameTick(0, 0, false);
    Release(DIK_ESCAPE);
    EXPECT_EQ(CMessageBox::s_messageAnswer, ANSWER_NO);
    EXPECT_FALSE(MessageBoxOpen());
}

TEST_F(MessageBoxTest, YesEndsTheGame) {
    ScreenRecord startMenu;
    startMenu.m_id = SCREEN_START_MENU;
    startMenu.m_mode = SCREEN_MODE_FULL;
    m_game->RegisterScreen(startMenu);
    QueueMessage("Are you sure you wish to exit?", MSG_YES_NO);
    GameTick(0, 0, false);
    ClickButton(CMessageBox::YES);
    EXPECT_EQ(CMessageBox::s_messageAnswer, ANSWER_YES);
    EXPECT_FALSE(m_game->m_running);
    EXPECT_EQ(CurrentScreen(), SCREEN_START_MENU);
}

TEST_F(MessageBoxTest, MessagesWaitTheirTurn) {
    QueueMessage("First", MSG_OK);
    QueueMessage("Second", MSG_OK);
    GameTick(0, 0, false);
    EXPECT_STREQ(CMessageBox::s_messageText, "First");
    QueueMessage("Third", MSG_OK);
    GameTick(0, 0, false);
    EXPECT_STREQ(CMessageBox::s_messageText, "First");
    ClickButton(CMessageBox::SINGLE_OK);  // the next opens in the same tick
    EXPECT_TRUE(MessageBoxOpen());
    EXPECT_STREQ(CMessageBox::s_messageText, "Second");
    EXPECT_EQ(CMessageBox::s_messageAnswer, ANSWER_OK);
    ClickButton(CMessageBox::SINGLE_OK);
    EXPECT_STREQ(CMessageBox::s_messageText, "Third");
}

TEST_F(MessageBoxTest, UnknownKindHoldsUpTheQueue) {
    QueueMessage("Odd", 299);
    QueueMessage("Normal", MSG_OK);
    GameTick(0, 0, false);
    EXPECT_FALSE(MessageBoxOpen());
    EXPECT_EQ(CMessageBox::s_messageIndex, 0);
}

TEST_F(MessageBoxTest, LongTextIsCut) {
    std::string text(400, 'w');
    QueueMessage(text.c_str(), MSG_OK);
    GameTick(0, 0, false);
    EXPECT_EQ(std::string(CMessageBox::s_messageText), text.substr(0, MESSAGE_TEXT_SIZE - 1));
}

TEST_F(MessageBoxTest, OpenBoxBlocksTheScreenAndLiesOnTop) {
    CButton screenButton;
    screenButton.SetRect(300, 400, 300, 100);  // under the box
    m_list.AddControl(&screenButton);
    CDialog options;
    options.SetRect(262, 234, 500, 250);
    m_game->m_sideBarList.AddControl(&options);
    options.mb_expanded = 1;  // an open dialog of the side bar
    QueueMessage("Notice", MSG_OK);
    GameTick(0, 0, false);
    EXPECT_EQ(m_game->m_sideBarList.OpenControl(), CMessageBox::s_dialog);
    ClickButton(CMessageBox::SINGLE_OK);
    EXPECT_EQ(CMessageBox::s_messageAnswer, ANSWER_OK);
    EXPECT_EQ(screenButton.m_state, STATE_NORMAL);
    EXPECT_EQ(screenButton.m_hoverStart, NO_HOVER);
}

TEST_F(MessageBoxTest, AnswerableOnFullScreenScreens) {
    QueueMessage("Notice", MSG_OK);
    PumpMessageBox();
    const CButton* ok = CMessageBox::s_buttons[CMessageBox::SINGLE_OK];
    int x = 292 + ok->m_x + 50, y = 324 + 25 + ok->m_y + 15;
    for (bool left : {true, false}) {
        ReadInput(x, y, left);
        m_list.DispatchMouse(x, y, left, false);  // no side bar on these screens
        DispatchMessageBoxAlone(x, y, left, false);
        if (MessageBoxOpen()) HandleMessageBoxButtons();
    }
    EXPECT_EQ(CMessageBox::s_messageAnswer, ANSWER_OK);
    EXPECT_FALSE(MessageBoxOpen());

    QueueMessage("Drawn", MSG_OK);
    PumpMessageBox();
    m_system->Clear(0xff000000);
    DrawMessageBoxAlone();
    EXPECT_EQ(m_system->Screen().Pixel(300, 400), 0xff3232c8u);  // the panel
}

}  // namespace
}  // namespace ravel
