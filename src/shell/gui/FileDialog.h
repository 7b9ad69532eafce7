// Save or load window over one folder: a file list, a name box and OK and
// Cancel buttons. The OK callback reads the chosen name from the dialog.
#pragma once

#include "shell/gui/Button.h"
#include "shell/gui/Control.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ListPanel.h"

namespace ravel {

inline constexpr int FILE_DIALOG_SAVE = 1;

class CFileDialog : public CControl {
public:
    CFileDialog();
    ~CFileDialog() override;
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void HandleKey(int key, int shift) override;
    void HandleText(const std::string& typed) override;

    // Mode FILE_DIALOG_SAVE saves, any other loads. The callback argument is
    // not used: set mp_okCallback beforehand. Returns 0.
    int Open(int x, int y, int mode, const char* title, DrawCallback callback);
    void FillFileList();
    // The name the user chose: the name box, or the default name when the
    // box is hidden.
    const char* ChosenName() const;

    char m_defaultName[255] = {};
    uint8_t mb_showList = 1;
    uint8_t mb_showName = 1;
    CButton m_okButton;
    CButton m_cancelButton;
    CListPanel m_fileList;
    CEditBox m_nameBox;
    DrawCallback mp_okCallback = NoCallback;
    char m_drive[10] = "";  // no drives here; kept for the path's shape
    char m_folder[255] = "/";
    char m_extension[11] = "*";

private:
    void Confirm();
    void ShareList();
};

// A file name that stays inside the folder: not empty, no separators, no "..".
bool IsPlainFileName(const char* name);

}  // namespace ravel
