#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls.h"
#include "dialog.h"
#include "framework_test_ids.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }
    Dialog dialog{IDD_TEST};
};

TEST_F(ControlsTest, TextsOfAnyLengthComeBackWhole)
{
    const std::string longText(3000, 'k');
    Edit name(dialog.Handle(), IDC_NAME);
    name.SetLimit(0);
    name.SetText(longText.c_str());
    EXPECT_EQ(std::string(name.GetText().Data()), longText);

    ComboBox history(dialog.Handle(), IDC_HISTORY);
    history.AddString("first");
    history.AddString(longText.c_str());
    EXPECT_EQ(history.GetCount(), 2);
    EXPECT_EQ(std::string(history.GetItemText(1).Data()), longText);
    EXPECT_STREQ(history.GetItemText(5).Data(), "");
    EXPECT_EQ(history.FindStringExact("first"), 0);

    ListBox files(dialog.Handle(), IDC_FILES);
    files.AddString("a.class");
    files.InsertString(0, "b.class");
    EXPECT_STREQ(files.GetItemText(0).Data(), "b.class");
    EXPECT_EQ(files.DeleteString(0), 1);
    EXPECT_EQ(files.GetCount(), 1);
}

TEST_F(ControlsTest, ButtonsEnableAndCheck)
{
    Button run(dialog.Handle(), IDC_RUN);
    run.Enable(false);
    EXPECT_FALSE(run.IsEnabled());
    run.Enable(true);
    EXPECT_TRUE(run.IsEnabled());
}

}  // namespace
