#include <filesystem>
#include <fstream>
#include <string>

#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/FileDialog.h"
#include "shell/gui/GuiFixture.h"
#include "shell/gui/MessageBox.h"

namespace ravel {
namespace {

class DialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_dialog.SetRect(300, 480, 300, 200);
        m_dialog.SetCaption("Options");
        m_child.SetRect(10, 95, 100, 30);
        m_list.AddControl(&m_dialog);
        m_dialog.AddChild(&m_child);
    }
    CDialog m_dialog;
    CButton m_child;
};

TEST_F(DialogTest, ChildrenLieBelowTheTitle) {
    Tick(310, 600, true);
    EXPECT_EQ(m_child.m_state, STATE_PRESSED);
    Tick(310, 600, false);
    EXPECT_EQ(m_child.m_state, STATE_CLICKED);
    EXPECT_EQ(m_child.mp_list, &m_list);
    m_dialog.HideTitleBar();
    Click(310, 600);
    EXPECT_EQ(m_child.m_state, STATE_CLICKED);
    Tick(310, 575, false);
    EXPECT_EQ(m_child.m_state, STATE_NORMAL);
}

TEST_F(DialogTest, DraggedByTheTitleBar) {
    struct Case {
        int32_t locked;
        int pressX;
        int x, y;  // after the drag
    };
    for (Case c : {Case{0, 350, 350, 510}, Case{1, 350, 300, 480}, Case{0, 590, 300, 480}}) {
        m_dialog.SetRect(300, 480, 300, 200);
        m_dialog.m_locked = c.locked;
        Tick(c.pressX, 490, true);
        if (c.pressX == 590) {
            EXPECT_EQ(m_dialog.m_closeState, STATE_PRESSED);
        }
        Tick(c.pressX + 10, 500, true);
        Tick(c.pressX + 50, 520, true);
        Tick(c.pressX + 50, 520, false);
        EXPECT_EQ(m_dialog.m_x, c.x);
        EXPECT_EQ(m_dialog.m_y, c.y);
        EXPECT_EQ(m_dialog.m_dragState, DRAG_IDLE);
    }
}

// However far the title bar is pulled, the whole dialog stays on the screen;
// one larger than the screen keeps its top left corner on it.
TEST_F(DialogTest, DragStopsAtTheScreenEdges) {
    struct Case {
        int width, height;
        int toX, toY;  // where the pointer is pulled, from (350, 490)
        int x, y;      // where the dialog ends
    };
    for (Case c : {Case{300, 200, 1023, 767, 724, 568}, Case{300, 200, 0, 0, 0, 0},
                   Case{300, 200, 1023, 0, 724, 0}, Case{1200, 900, 1023, 767, 0, 0}}) {
        m_dialog.SetRect(300, 480, c.width, c.height);
        Tick(350, 490, true);
        // Small steps: a pull that leaves the dialog stops moving it.
        for (int step = 1; step <= 64; ++step)
            Tick(350 + (c.toX - 350) * step / 64, 490 + (c.toY - 490) * step / 64, true);
        Tick(c.toX, c.toY, false);
        EXPECT_EQ(m_dialog.m_x, c.x) << c.toX << "," << c.toY;
        EXPECT_EQ(m_dialog.m_y, c.y) << c.toX << "," << c.toY;
    }
}

TEST_F(DialogTest, PressCarriedOutOfTheDialogIsNoClick) {
    Tick(310, 600, true);
    Tick(100, 100, true);
    Tick(100, 100, false);
    Tick(310, 600, false);
    EXPECT_EQ(m_child.m_state, STATE_HOVER);
}

TEST_F(DialogTest, KeysReachTheChildrenAndCloseResets) {
    CEditBox box;
    box.SetRect(150, 20, 100, 30);
    m_dialog.AddChild(&box);
    Click(460, 530);
    EXPECT_EQ(box.mb_focus, 1);
    Press(DIK_Q);
    Tick(460, 530, false);
    EXPECT_STREQ(box.m_caption, "q");
    m_dialog.mb_expanded = 1;
    m_child.m_state = STATE_CLICKED;
    m_dialog.Close();
    EXPECT_EQ(m_child.m_state, STATE_NORMAL);
    EXPECT_EQ(m_dialog.mb_visible, 0);
    EXPECT_EQ(m_dialog.mb_expanded, 0);
}

int s_okCalls = 0;
void CountOk() {
    ++s_okCalls;
}

class FileDialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_folder = GuiScratch("files");
        for (const char* name : {"b.html", "a.txt", "notes", ".hidden"})
            std::ofstream(m_folder + "/" + name) << "x";
        std::filesystem::create_directory(m_folder + "/sub");
        CopyText(m_dialog.m_folder, sizeof m_dialog.m_folder, m_folder.c_str());
        m_dialog.mp_okCallback = CountOk;
        m_list.AddControl(&m_dialog);
        s_okCalls = 0;
        CMessageBox::s_messageQueue.clear();
    }
    void Open() { m_dialog.Open(100, 50, FILE_DIALOG_SAVE, "Save Scorecard", nullptr); }
    // The pointer on line `line` of the file list.
    void ClickLine(int line) { Click(150, 90 + 20 * line + 10); }

    std::string m_folder;
    CFileDialog m_dialog;
};

TEST_F(FileDialogTest, LayoutAndListing) {
    Open();
    EXPECT_EQ(m_dialog.m_width, 500);
    EXPECT_EQ(m_dialog.m_height, 500);
    EXPECT_STREQ(m_dialog.m_okButton.m_caption, "Save");
    EXPECT_EQ(m_dialog.m_nameBox.m_y, 510);
    EXPECT_EQ(m_dialog.m_okButton.m_x, 480);
    EXPECT_EQ(m_dialog.m_cancelButton.m_y, 515);
    ASSERT_EQ(m_dialog.m_fileList.mv_lines.size(), 4u);
    const char* expected[] = {"sub", "a.txt", "b.html", "notes"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(m_dialog.m_fileList.mv_lines[i]->m_text, expected[i]);
    EXPECT_EQ(m_dialog.m_fileList.mv_lines[0]->m_value3, 1);
    EXPECT_EQ(static_cast<uint32_t>(m_dialog.m_fileList.mv_lines[0]->m_value2), 0xffff00ffu);

    CopyText(m_dialog.m_extension, sizeof m_dialog.m_extension, "html");
    m_dialog.mb_showList = 0;
    m_dialog.Open(100, 50, 0, "Load", nullptr);
    EXPECT_EQ(m_dialog.m_height, 200);
    EXPECT_STREQ(m_dialog.m_okButton.m_caption, "Load");
    EXPECT_EQ(m_dialog.m_okButton.m_y, 180);
    ASSERT_EQ(m_dialog.m_fileList.mv_lines.size(), 1u);
    EXPECT_STREQ(m_dialog.m_fileList.mv_lines[0]->m_text, "b.html");
}

TEST_F(FileDialogTest, MissingFolderGivesAnEmptyList) {
    CopyText(m_dialog.m_folder, sizeof m_dialog.m_folder, (m_folder + "/none").c_str());
    Open();
    EXPECT_TRUE(m_dialog.m_fileList.mv_lines.empty());
}

TEST_F(FileDialogTest, PickingFilesAndConfirming) {
    Open();
    ClickLine(2);
    EXPECT_STREQ(m_dialog.m_nameBox.m_caption, "b.html");
    ClickLine(0);  // a folder: nothing
    EXPECT_STREQ(m_dialog.m_nameBox.m_caption, "b.html");
    Click(530, 495);  // OK
    EXPECT_EQ(s_okCalls, 1);
    EXPECT_EQ(m_dialog.mb_visible, 0);

    Open();
    Press(DIK_RETURN);
    for (int i = 0; i < 5; ++i) Tick(300, 300, false);
    EXPECT_EQ(s_okCalls, 2);
    Release(DIK_RETURN);

    Open();
    Click(530, 530);  // Cancel
    EXPECT_EQ(s_okCalls, 2);
    EXPECT_EQ(m_dialog.mb_visible, 0);
}

TEST_F(FileDialogTest, TheNameIsTypedInPlainAscii) {
    Open();
    const CEditBox& box = m_dialog.m_nameBox;
    Click(box.m_x + 20, box.m_y + 15);
    m_system->HeadlessInput()->TypeText("Zo\xc3\xab.html");
    Tick(box.m_x + 20, box.m_y + 15, false);
    EXPECT_STREQ(box.m_caption, "Zo.html");
    EXPECT_TRUE(box.Refusing());
}

TEST_F(FileDialogTest, NamesThatLeaveTheFolderAreRefused) {
    struct Case {
        const char* name;
        bool accepted;
        bool message;
    };
    const Case cases[] = {
        {"scorecard.html", true, false},     {"", false, false},
        {"../scorecard.html", false, true},  {"..", false, true},
        {"out/scorecard.html", false, true}, {"out\\scorecard.html", false, true},
        {"/etc/passwd", false, true},
    };
    for (const Case& c : cases) {
        for (uint8_t showName : {1, 0}) {
            s_okCalls = 0;
            CMessageBox::s_messageQueue.clear();
            m_dialog.mb_showName = showName;
            Open();
            m_dialog.m_nameBox.SetCaption(showName ? c.name : "");
            CopyText(m_dialog.m_defaultName, sizeof m_dialog.m_defaultName, showName ? "" : c.name);
            Click(530, 495);
            EXPECT_EQ(s_okCalls, c.accepted ? 1 : 0) << c.name;
            EXPECT_EQ(m_dialog.mb_visible, c.accepted ? 0 : 1) << c.name;
            EXPECT_EQ(CMessageBox::s_messageQueue.size(), c.message ? 1u : 0u) << c.name;
        }
    }
}

TEST_F(FileDialogTest, WheelScrollsTheList) {
    for (int i = 0; i < 40; ++i) std::ofstream(m_folder + "/f" + std::to_string(i) + ".txt") << "x";
    Open();
    ASSERT_GT(m_dialog.m_fileList.m_scrollBar.m_max, 0);
    Wheel(-120);
    Tick(300, 300, false);
    EXPECT_EQ(m_dialog.m_fileList.m_top, 1);
    Wheel(120);
    Tick(300, 300, false);
    Wheel(120);
    Tick(300, 300, false);
    EXPECT_EQ(m_dialog.m_fileList.m_top, 0);
}

}  // namespace
}  // namespace ravel
