// Data exchange on the real properties template, both directions, against the real controls.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "res/resource.h"

namespace {

// The size group in template order, which is not the order of the identifiers.
constexpr int kSizeButtons[] = {GLM_IDC_SIZE_20, GLM_IDC_SIZE_40,  GLM_IDC_SIZE_60,
                                GLM_IDC_SIZE_80, GLM_IDC_SIZE_100, GLM_IDC_SIZE_150};

class DataExchangeTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
    }
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(nullptr)); }
    void TearDown() override { m_dialog.DestroyWindow(); }

    DataExchange ToControls() const { return {m_dialog.Hwnd(), false}; }
    DataExchange FromControls() const { return {m_dialog.Hwnd(), true}; }
    LRESULT State(int id) const { return ::SendDlgItemMessageW(m_dialog.Hwnd(), id, BM_GETCHECK, 0, 0); }

    int Radio(int firstId, int value) {
        auto to = ToControls();
        DdxRadio(to, firstId, value);
        return value;
    }
    int ReadRadio(int firstId) {
        int value = -7;
        auto from = FromControls();
        DdxRadio(from, firstId, value);
        return value;
    }
    int Check(int id, int value) {
        auto to = ToControls();
        DdxCheck(to, id, value);
        return value;
    }
    int ReadCheck(int id) {
        int value = -7;
        auto from = FromControls();
        DdxCheck(from, id, value);
        return value;
    }

    Dialog m_dialog{GLM_IDD_PROPERTIES};
};

}  // namespace

// The index counts the radio buttons of one group in template order; the group ends at the next
// control that starts one, so neighbouring groups neither disturb nor count.
TEST_F(DataExchangeTest, RadioIndexCountsButtonsInTemplateOrderWithinTheGroup) {
    Radio(GLM_IDC_COLOR_YELLOW, 5);
    Radio(GLM_IDC_TRIG_ALWAYS, 2);
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        Radio(GLM_IDC_SIZE_20, index);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(State(kSizeButtons[i]), i == index ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(ReadRadio(GLM_IDC_SIZE_20), index);
    }
    EXPECT_EQ(State(GLM_IDC_COLOR_LIGHTBLUE), BST_CHECKED);
    EXPECT_EQ(ReadRadio(GLM_IDC_COLOR_YELLOW), 5);
    EXPECT_EQ(ReadRadio(GLM_IDC_TRIG_ALWAYS), 2);
    EXPECT_EQ(ReadRadio(GLM_IDC_SHAPE_CIRCLE), -1);
    Radio(GLM_IDC_SHAPE_CIRCLE, 1);
    EXPECT_EQ(State(GLM_IDC_SHAPE_RING), BST_CHECKED);
    EXPECT_EQ(ReadRadio(GLM_IDC_SHAPE_CIRCLE), 1);
}

TEST_F(DataExchangeTest, RadioValueOutOfRangeSelectsNoneAndNoneReadsAsMinusOne) {
    for (int value : {6, -1, 100}) {
        SCOPED_TRACE(value);
        Radio(GLM_IDC_SIZE_20, 2);
        EXPECT_EQ(Radio(GLM_IDC_SIZE_20, value), value);
        for (int id : kSizeButtons) EXPECT_EQ(State(id), BST_UNCHECKED);
        EXPECT_EQ(ReadRadio(GLM_IDC_SIZE_20), -1);
    }
}

TEST_F(DataExchangeTest, CheckBoxResetsValuesOutsideZeroToTwoAndReadsTickedAsOne) {
    for (int value : {3, -1}) {
        SCOPED_TRACE(value);
        Check(GLM_IDC_HOTKEY_ENABLED, 1);
        ASSERT_EQ(State(GLM_IDC_HOTKEY_ENABLED), BST_CHECKED);
        EXPECT_EQ(Check(GLM_IDC_HOTKEY_ENABLED, value), 0);
        EXPECT_EQ(State(GLM_IDC_HOTKEY_ENABLED), BST_UNCHECKED);
        EXPECT_EQ(ReadCheck(GLM_IDC_HOTKEY_ENABLED), 0);
    }
    // A two-state box shows 2 as ticked.
    EXPECT_EQ(Check(GLM_IDC_HOTKEY_ENABLED, 2), 2);
    EXPECT_EQ(State(GLM_IDC_HOTKEY_ENABLED), BST_CHECKED);
    EXPECT_EQ(ReadCheck(GLM_IDC_HOTKEY_ENABLED), 1);
}

TEST_F(DataExchangeTest, SliderPositionIsClampedIntoTheDefaultRange) {
    const struct {
        int written, read;
    } cases[] = {{150, 100}, {-5, 0}, {37, 37}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        int value = c.written;
        auto to = ToControls();
        DdxSlider(to, GLM_IDC_TRANS_SLIDER, value);
        int read = -7;
        auto from = FromControls();
        DdxSlider(from, GLM_IDC_TRANS_SLIDER, read);
        EXPECT_EQ(read, c.read);
    }
}
