#pragma once
// A window built from a dialog template, modeless (Create) or modal (DoModal, with our own loop).
#include <windows.h>

#include "platform/data_exchange.h"
#include "platform/window.h"

class Dialog : public Window {
  public:
    explicit Dialog(UINT templateId, HWND parent = nullptr);
    ~Dialog() override;

    // Modeless: the window exists when this returns true; OnInitDialog has run inside it.
    bool Create(HWND parent);

    // Modal: disables the owner's root window and runs our message loop until EndDialog.
    // A dialog with no parent is owned by the application's main window.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // Destroys the window; the cleanup is OnDestroy's, which runs on every way a window goes.
    BOOL DestroyWindow();
    bool UpdateData(bool saveAndValidate);

  protected:
    // Handles `message`; returns true when handled, with the answer in `result`.
    // Overrides call this base for everything they do not take themselves.
    virtual bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    virtual BOOL OnInitDialog();  // the first exchange towards the controls
    virtual void DoDataExchange(DataExchange&) {}
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
    virtual void OnOK();      // modal only: exchange from the controls, then end with IDOK
    virtual void OnCancel();  // modal only: end with IDCANCEL
    virtual void OnTimer(UINT_PTR) {}
    virtual bool OnPaint() { return false; }
    virtual bool OnSysCommand(WPARAM, LPARAM) { return false; }
    virtual HCURSOR OnQueryDragIcon() { return nullptr; }
    // kind is a CTLCOLOR_ value; nullptr leaves the colour to the default handling.
    virtual HBRUSH OnCtlColor(HDC, HWND, UINT) { return nullptr; }
    // WM_DESTROY, whoever destroys the window (our DestroyWindow, the modal loop's end, the system,
    // a parent going): the place for every cleanup, while the window still exists. A parent hears it
    // before its children. This base's destructor is too late to reach an override, so every class
    // whose objects can outlive a modal loop destroys its window in its own destructor; the base
    // stops the program when one did not.
    virtual void OnDestroy() {}

  private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    void CentreOnOwner();
    void RunModalLoop();

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
    bool m_ending = false;
    INT_PTR m_result = -1;
};

// What a modal loop does with each message it takes for `dialog`: the PreTranslate walk, the dialog
// keys, then translation and dispatch.
void RouteLoopMessage(MSG& msg, HWND dialog);

// The application's main window, owner of every modal dialog that names no parent.
void SetApplicationMainDialog(Dialog* dialog);
HWND ApplicationMainWindow();
