#include "shell/gui/FileDialog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/gui/MessageBox.h"
#include "shell/platform/Files.h"
#include "shell/platform/System.h"
#include "world/Paths.h"

namespace ravel {

namespace {
constexpr uint32_t FILE_COLOUR = 0xffffffff;
constexpr uint32_t FOLDER_COLOUR = 0xffff00ff;
}  // namespace

bool IsPlainFileName(const char* name) {
    if (!name || !*name) return false;
    return !std::strchr(name, '/') && !std::strchr(name, '\\') && !std::strstr(name, "..");
}

CFileDialog::CFileDialog() {
    mb_expanded = 1;
    SetRect(0, 0, 800, 400);
    mb_visible = 0;
}

CFileDialog::~CFileDialog() {
    m_fileList.FreeLines();
}

void CFileDialog::ShareList() {
    m_okButton.mp_list = mp_list;
    m_cancelButton.mp_list = mp_list;
    m_fileList.mp_list = mp_list;
    m_nameBox.mp_list = mp_list;
}

int CFileDialog::Open(int x, int y, int mode, const char* title, DrawCallback) {
    mb_visible = 1;
    if (mode == FILE_DIALOG_SAVE) {
        m_okButton.SetCaption("Save");
        m_okButton.SetTooltip("Click here to save");
    } else {
        m_okButton.SetCaption("Load");
        m_okButton.SetTooltip("Click here to load");
    }
    m_cancelButton.SetCaption("Cancel");
    m_cancelButton.SetTooltip("Cancel this operation");
    SetCaption(title);
    SetRect(x, y, 500, mb_showList ? 500 : 200);
    m_nameBox.SetRect(x + 10, y + m_height - 40, 365, 30);
    m_okButton.SetRect(x + m_width - 120, y + m_height - 70, 100, 30);
    m_cancelButton.SetRect(x + m_width - 120, y + m_height - 35, 100, 30);
    m_fileList.SetRect(x + 10, y + 40, m_width - 135, m_height - 85);
    FillFileList();
    return 0;
}

void CFileDialog::FillFileList() {
    m_fileList.FreeLines();
    // "*" stands for every file, with or without a dot in its name.
    std::string pattern = JoinPath(std::string(m_drive) + m_folder, "*");
    if (std::strcmp(m_extension, "*") != 0) pattern += std::string(".") + m_extension;
    std::vector<FolderEntry> entries;
    if (!ListFolder(pattern, entries)) return;
    int number = 0;
    for (const FolderEntry& entry : entries) {
        // ".", ".." and hidden files are not the user's files.
        if (entry.name.empty() || entry.name[0] == '.') continue;
        auto* line = new ListItem;
        line->SetText(entry.name.c_str());
        line->m_value = number++;
        line->m_value2 = static_cast<int32_t>(entry.folder ? FOLDER_COLOUR : FILE_COLOUR);
        line->m_value3 = entry.folder ? 1 : 0;
        m_fileList.mv_lines.push_back(line);
        m_fileList.UpdateScrollRange();
    }
    std::stable_sort(m_fileList.mv_lines.begin(), m_fileList.mv_lines.end(),
                     [](const ListItem* a, const ListItem* b) { return a->m_value3 > b->m_value3; });
}

const char* CFileDialog::ChosenName() const {
    return mb_showName ? m_nameBox.m_caption : m_defaultName;
}

// The callback writes into the folder, so a name that would leave it is
// refused; an empty name does nothing.
void CFileDialog::Confirm() {
    const char* name = ChosenName();
    if (!*name) return;
    if (!IsPlainFileName(name)) {
        QueueMessage("Please enter a file name without folders or \"..\".", MSG_OK);
        return;
    }
    mp_okCallback();
    mb_visible = 0;
}

void CFileDialog::Draw() {
    if (!mb_visible) return;
    ShareList();
    DrawDialogFrame(*this, true, true);
    if (mb_showList) m_fileList.Draw();
    m_okButton.Draw();
    m_cancelButton.Draw();
    if (mb_showName) m_nameBox.Draw();
}

int CFileDialog::HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) {
    if (!mb_visible) return 0;
    ShareList();
    std::vector<CControl*> children = {&m_okButton, &m_cancelButton};
    if (mb_showList) children.push_back(&m_fileList);
    if (mb_showName) children.push_back(&m_nameBox);
    for (CControl* child : children) {
        if (child->Contains(x, y)) {
            child->HandleMouse(x, y, leftDown, rightDown);
        } else {
            child->MouseOutside(leftDown, rightDown);
        }
    }
    if (m_okButton.m_state == STATE_CLICKED) {
        m_okButton.m_state = STATE_NORMAL;
        Confirm();
        return 0;
    }
    if (m_cancelButton.m_state == STATE_CLICKED) {
        m_cancelButton.m_state = STATE_NORMAL;
        mb_visible = 0;
        return 0;
    }
    if (!mb_showList) return 0;
    if (m_fileList.m_state == STATE_CLICKED && !m_fileList.mv_lines.empty()) {
        int selected = m_fileList.GetSelection();
        if (selected >= 0 && selected < static_cast<int>(m_fileList.mv_lines.size()) &&
            m_fileList.mv_lines[selected]->m_value3 == 0) {
            m_nameBox.SetCaption(m_fileList.GetSelectedText());
        }
    }
    CScrollBar& bar = m_fileList.m_scrollBar;
    if (g_system->m_wheel < 0 && bar.m_position < bar.m_max) {
        bar.SetPosition(bar.m_position + 1);
    } else if (g_system->m_wheel > 0 && bar.m_position > 0) {
        bar.SetPosition(bar.m_position - 1);
    }
    m_fileList.m_top = bar.m_position;
    return 0;
}

void CFileDialog::HandleKey(int key, int shift) {
    if (!mb_visible) return;
    // Return acts once per press, so a refused name is reported once.
    if (!g_system->KeyDown(DIK_RETURN)) m_latch = 0;
    if (key == DIK_RETURN && !m_latch) {
        m_latch = 1;
        Confirm();
    }
    m_okButton.HandleKey(key, shift);
    m_cancelButton.HandleKey(key, shift);
    m_fileList.HandleKey(key, shift);
    m_nameBox.HandleKey(key, shift);
}

void CFileDialog::HandleText(const std::string& typed) {
    if (!mb_visible) return;
    // The name is written to the disk byte for byte, where a letter of the
    // game's code page is no letter: only plain ASCII is taken.
    std::string ascii = typed;
    for (char& c : ascii) {
        if (static_cast<unsigned char>(c) >= 0x80) c = UNTYPABLE;
    }
    m_nameBox.HandleText(ascii);
}

}  // namespace ravel
