#include "app/restore_originals_dialog.h"

#include <commctrl.h>

#include <utility>

#include "core/save_failure.h"
#include "platform/utf16.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"

namespace {

void AddColumn(HWND list, int index, const wchar_t* title, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(title);
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& utf8) {
    std::wstring text = text::Widen(utf8);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool IsTicked(HWND list, int row) {
    const LRESULT state =
        SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

}  // namespace

CRestoreOriginalsDlg::CRestoreOriginalsDlg(HWND parent, std::string simFolder,
                                           std::string prefsPath)
    : CDialog(IDD_RESTORE_ORIGINALS, parent),
      m_simFolder(std::move(simFolder)),
      m_prefsPath(std::move(prefsPath)) {}

BOOL CRestoreOriginalsDlg::OnInitDialog() {
    HWND list = Item(IDC_RO_FILES);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(list, 0, L"File", width * 3 / 5);
    AddColumn(list, 1, L"Original kept on", width - width * 3 / 5);
    FillList();
    return TRUE;
}

void CRestoreOriginalsDlg::FillList() {
    HWND list = Item(IDC_RO_FILES);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    m_kept = FindKeptOriginals(m_simFolder, m_prefsPath);
    for (size_t row = 0; row < m_kept.size(); ++row) {
        LVITEMW item{};
        item.mask = 0;
        item.iItem = static_cast<int>(row);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SetCell(list, static_cast<int>(row), 0, m_kept[row].label);
        SetCell(list, static_cast<int>(row), 1, FormatLocalTime(m_kept[row].keptAt));
    }
    const bool any = !m_kept.empty();
    ui::SetItemText(GetHwnd(), IDC_RO_PROMPT, any ? msg::kRestorePrompt : msg::kNoOriginals);
    if (!any && GetFocus() == Item(IDC_RO_RESTORE)) {
        ui::MoveFocus(GetHwnd(), Item(IDCANCEL));
    }
    EnableWindow(Item(IDC_RO_RESTORE), any);
    EnableWindow(list, any);
}

bool CRestoreOriginalsDlg::OnCommand(int id, int code, HWND /*control*/) {
    if (id != IDC_RO_RESTORE || code != BN_CLICKED) {
        return false;
    }
    OnRestore();
    return true;
}

void CRestoreOriginalsDlg::OnRestore() {
    HWND list = Item(IDC_RO_FILES);
    std::vector<const KeptOriginal*> ticked;
    std::string names;
    for (size_t row = 0; row < m_kept.size(); ++row) {
        if (IsTicked(list, static_cast<int>(row))) {
            ticked.push_back(&m_kept[row]);
            names += (names.empty() ? "" : "\n") + m_kept[row].label;
        }
    }
    if (ticked.empty()) {
        ui::ShowMessage(GetHwnd(), msg::kTickFilesFirst, msg::kCaptionRestore, MB_ICONEXCLAMATION);
        return;
    }
    if (ui::ShowMessage(GetHwnd(), msg::kRestoreConfirmation + names + msg::kRestoreQuestion,
                        msg::kCaptionRestore, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    // Each file is replaced in one atomic step; a failure leaves that file
    // as it was and does not stop the others.
    std::string restored;
    for (const KeptOriginal* kept : ticked) {
        const files::Status status = RestoreOriginal(kept->path);
        if (status.ok()) {
            restored += (restored.empty() ? "" : "\n") + kept->label;
        } else {
            ui::ShowMessage(GetHwnd(), msg::SaveFailure(msg::kNotRestored, kept->path, status),
                            msg::kCaptionError, MB_ICONEXCLAMATION);
        }
    }
    if (!restored.empty()) {
        ui::ShowMessage(GetHwnd(), msg::kRestored + restored, msg::kCaptionWarning,
                        MB_ICONINFORMATION);
    }
    FillList();
}

void RunRestoreOriginals(HWND window, const std::string& simFolder, const std::string& prefsPath) {
    CRestoreOriginalsDlg dialog(window, simFolder, prefsPath);
    dialog.DoModal();
}
