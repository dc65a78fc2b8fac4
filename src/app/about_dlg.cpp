#include "app/about_dlg.h"

#include <shellapi.h>

#include <commctrl.h>

#include "app/version_text.h"
#include "platform/module_path.h"
#include "platform/version_info.h"
#include "res/resource.h"

namespace {

constexpr wchar_t kHomePage[] = L"https://brindlecove.example/glimmora/";

// Computed once per process, at the first opening where the version resource can be read.
std::wstring g_versionText;
bool g_versionTextDone = false;

}  // namespace

const std::wstring& CachedVersionText() {
    if (!g_versionTextDone) {
        if (auto version = ReadProductVersion(ModulePath())) {
            g_versionText = FormatVersionText(*version);
            g_versionTextDone = true;
        }
    }
    return g_versionText;
}

CAboutDlg::CAboutDlg() : Dialog(GLM_IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(DataExchange& dx) { DdxText(dx, GLM_IDC_VERSION, m_versionLabel); }

BOOL CAboutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_versionLabel = BuildVersionText(CachedVersionText());
    UpdateData(false);
    return TRUE;
}

bool CAboutDlg::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != GLM_IDC_LINK || header.code != NM_CLICK) return false;
    ::ShellExecuteW(m_hwnd, L"open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
    result = 0;
    return true;
}
