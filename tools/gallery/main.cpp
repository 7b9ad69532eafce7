// Draws every control of the toolkit in each skin found under gfx\gui\ and
// saves two screenshots per skin: the controls, and the windows.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/Game.h"
#include "shell/Resources.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/FileDialog.h"
#include "shell/gui/ListPanel.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/Files.h"
#include "shell/platform/System.h"

using namespace ravel;

namespace {

constexpr uint32_t LABEL = 0xfff05a00;

void Label(int x, int y, const char* text) {
    g_system->DrawText(x, y, ALIGN_LEFT, LABEL, g_game->m_fontHeading.get(), "%s", text);
}

void Background() {
    if (g_game->m_background.Loaded()) {
        g_game->m_background.Draw(0, 0);
    } else {
        g_system->Clear(0xff202830);
    }
}

// Owns the controls of one picture and the list that draws them.
struct Page {
    ControlList list;
    std::vector<std::unique_ptr<CControl>> controls;

    explicit Page(CGame& game) { list.mp_skin = game.m_skin.Sprites(); }

    template <class T>
    T& Add(int x, int y, int w, int h, const char* caption = "") {
        auto control = std::make_unique<T>();
        T& ref = *control;
        ref.SetRect(x, y, w, h);
        if (*caption) ref.SetCaption(caption);
        list.AddControl(&ref);
        controls.push_back(std::move(control));
        return ref;
    }
};

void DrawControlsPage(CGame& game) {
    Page page(game);
    Background();

    Label(20, 10, "Buttons");
    const char* looks[] = {"Normal", "Hovered", "Pressed", "Disabled"};
    const int states[] = {STATE_NORMAL, STATE_HOVER, STATE_PRESSED, STATE_NORMAL};
    for (int style = 0; style < 2; ++style) {
        for (int i = 0; i < 4; ++i) {
            auto& b = page.Add<CButton>(20 + 170 * i, 40 + 45 * style, 150, 30, looks[i]);
            b.m_style = style;
            b.m_state = states[i];
            b.mb_disabled = i == 3;
        }
    }
    auto& withTip = page.Add<CButton>(720, 40, 150, 30, "Continue");
    withTip.SetTooltip("Allow time to pass");
    // Resting on it long enough for the tooltip.
    withTip.m_hoverStart = 2;
    g_system->m_presentTime = 2 + 10 * HoverDelay();

    Label(20, 135, "Tick boxes");
    for (int ticked = 0; ticked < 2; ++ticked) {
        for (int i = 0; i < 3; ++i) {
            auto& t = page.Add<CTickBox>(20 + 50 * i + 160 * ticked, 165, 30, 30);
            t.mb_ticked = ticked;
            t.m_state = states[i];
        }
    }

    Label(360, 135, "Hot spot");
    auto& spot = page.Add<CHotSpot>(360, 165, 120, 30);
    spot.m_state = STATE_HOVER;

    Label(20, 215, "Edit boxes");
    auto& plain = page.Add<CEditBox>(20, 245, 220, 30, "Ravelstone CC");
    plain.m_state = STATE_NORMAL;
    auto& hovered = page.Add<CEditBox>(260, 245, 220, 30, "Hovered");
    hovered.m_state = STATE_HOVER;
    auto& focused = page.Add<CEditBox>(500, 245, 220, 30, "Typing here");
    focused.mb_focus = 1;
    focused.MeasureCaption();

    Label(20, 295, "Scroll bars");
    auto& h = page.Add<CScrollBar>(20, 325, 300, 17);
    h.SetMax(20);
    h.SetPosition(6);
    auto& hOff = page.Add<CScrollBar>(20, 355, 300, 17);
    hOff.Disable();
    auto& v = page.Add<CScrollBar>(340, 325, 17, 200);
    v.mb_horizontal = 0;
    v.SetMax(9);
    v.SetPosition(3);

    Label(380, 295, "List panel");
    auto& panel = page.Add<CListPanel>(0, 0, 0, 0);
    panel.SetRect(380, 325, 300, 200);
    const char* names[] = {"A. Brackley", "T. Ormsby",  "R. Vane",      "J. Calloway",
                           "D. Penhale",  "S. Marwick", "P. Lintot",    "G. Fenwright",
                           "K. Oduya",    "L. Haskett", "M. Trevanion", "N. Castellan"};
    for (const char* name : names) {
        auto* line = new ListItem;
        line->SetText(name);
        line->m_value2 = static_cast<int32_t>(0xffffffff);
        panel.mv_lines.push_back(line);
    }
    panel.UpdateScrollRange();
    panel.SetSelection(2);

    Label(20, 545, "Drop-downs");
    auto& closed = page.Add<CComboBox>(20, 575, 220, 25, "std");
    closed.AddListItem("std", 0);
    auto& open = page.Add<CComboBox>(700, 295, 250, 25, "Twenty20 Cup");
    for (const char* item :
         {"County Championship", "One-Day Trophy", "Twenty20 Cup", "Northern League", "Southern League"}) {
        open.AddListItem(item, 0);
    }
    open.Open();
    open.m_selected = 1;
    auto& scrolled = page.Add<CComboBox>(260, 575, 220, 25, "Season 362");
    for (int s = 350; s < 366; ++s) scrolled.AddListItem(("Season " + std::to_string(s)).c_str(), s);
    scrolled.Open();
    scrolled.m_first = 0;
    scrolled.m_selected = 0;
    scrolled.mb_expanded = 0;  // both open at once for the picture

    page.list.Draw();
    panel.FreeLines();
}

void DrawWindowsPage(CGame& game, const std::string& folder) {
    Page page(game);
    Background();

    auto& dialog = page.Add<CDialog>(30, 30, 440, 250, "Game Options");
    static Page* s_page = nullptr;
    s_page = &page;
    dialog.mp_drawCallback = [] {
        const CControl* d = s_page->list.mv_controls[0];
        CFont* font = g_game->m_fontText.get();
        g_system->DrawText(d->m_x + 65, d->m_y + 75, ALIGN_LEFT, 0xffffffff, font, "Autosave");
        g_system->DrawText(d->m_x + 65, d->m_y + 115, ALIGN_LEFT, 0xffffffff, font, "Play Match View Sounds");
    };
    auto done = std::make_unique<CButton>();
    done->SetRect(160, 180, 120, 30);
    done->SetCaption("Done");
    auto tick = std::make_unique<CTickBox>();
    tick->SetRect(20, 40, 30, 30);
    tick->mb_ticked = 1;
    auto tick2 = std::make_unique<CTickBox>();
    tick2->SetRect(20, 80, 30, 30);
    dialog.AddChild(done.get());
    dialog.AddChild(tick.get());
    dialog.AddChild(tick2.get());

    auto& menu = page.Add<CPopupMenu>(0, 0, 200, 20);
    menu.AddListItem("Test Championship", 500);
    menu.AddListItem("ODI Championship", 501);
    menu.AddListItem("Records", -2);
    menu.AddListItem("SEPERATOR", SEPARATOR_VALUE);
    menu.AddListItem("Northern Tour", 600);
    menu.AddListItem("Domestic Cricket", -1);
    menu.Open(20, 330);
    menu.m_chosen = 1;
    auto& records = page.Add<CPopupMenu>(0, 0, 280, 20);
    CSprite* bat = game.mv_tiles.size() > 35 ? game.mv_tiles[35] : nullptr;
    for (const char* item : {"Highest Innings Total", "Highest Individual Score", "Best Bowling (Innings)",
                             "Fastest 100 (by balls)"}) {
        records.AddListItem(item, 104, bat);
    }
    records.mv_items[3].mb_greyed = 1;
    records.SetParent(&menu);
    records.Open(20 + 200 + 1, 330 + 40);
    records.m_chosen = 0;
    menu.mb_expanded = 0;

    auto& files = page.Add<CFileDialog>(0, 0, 0, 0);
    CopyText(files.m_folder, sizeof files.m_folder, folder.c_str());  // folders and files
    files.m_nameBox.SetCaption("scorecard.html");
    files.Open(515, 20, FILE_DIALOG_SAVE, "Save Scorecard", nullptr);
    files.m_okButton.m_state = STATE_HOVER;

    page.list.Draw();
    dialog.mv_children.clear();

    // The message box over everything, as on a full-screen screen.
    CreateMessageBox();
    QueueMessage("Error loading new skin: Error code 46", MSG_OK_CANCEL);
    PumpMessageBox();
    CMessageBox::s_dialog->mp_list = &page.list;
    for (CControl* b : CMessageBox::s_dialog->mv_children) b->mp_list = &page.list;
    CMessageBox::s_dialog->SetRect(292, 540, 440, 150);
    DrawMessageBoxAlone();
    ReleaseMessageBox();
    CMessageBox::s_messageQueue.clear();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gallery <runtime folder> <output folder>\n");
        return 2;
    }
    std::filesystem::path output = std::filesystem::absolute(argv[2]);
    std::filesystem::create_directories(output);
    std::filesystem::current_path(argv[1]);

    CSystem system;
    if (!system.SetupHeadless()) return 1;
    std::vector<FolderEntry> skins;
    if (!ListFolder("gfx\\gui\\*", skins)) {
        std::fprintf(stderr, "gallery: no skins under %s/gfx/gui\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const FolderEntry& skin : skins) {
        if (!skin.folder || skin.name == "." || skin.name == "..") continue;
        CGame game;
        g_game = &game;
        game.SetSkinName(skin.name.c_str());
        if (!game.CreateGraphics()) {
            std::fprintf(stderr, "gallery: the art of skin %s is incomplete\n", skin.name.c_str());
            ++failures;
        }
        int missing = game.m_skin.LoadSkin(game.m_skinName);
        if (missing) std::fprintf(stderr, "gallery: skin %s fails at step %d\n", skin.name.c_str(), missing);
        for (int page = 0; page < 2; ++page) {
            system.Clear(0xff000000);
            if (page == 0) {
                DrawControlsPage(game);
            } else {
                DrawWindowsPage(game, "gfx");
            }
            std::string file =
                (output / ("gallery_" + skin.name + (page ? "_windows" : "_controls") + ".png")).string();
            if (!system.SaveScreenshot(file)) ++failures;
            std::printf("%s\n", file.c_str());
        }
        game.ReleaseGraphics();
        g_game = nullptr;
    }
    system.CloseSystem();
    return failures ? 1 : 0;
}
