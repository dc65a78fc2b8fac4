#pragma once
// The About box: product version from our own version resource, and a link to the maker's page.
#include <string>

#include "platform/dialog.h"

class CAboutDlg final : public Dialog {
  public:
    CAboutDlg();

  private:
    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

    std::wstring m_versionLabel;
};

// The version text as read for the first opening that could read it; empty until then.
const std::wstring& CachedVersionText();
