// The command-line build's status dialog from the designer's resources: it shows the line
// being built in its text and caption, and closing destroys it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "owl/testing/window_picture.h"
#include "shell/batch/batchports.h"
#include "shell/batch/designerbatch.h"

namespace {

std::string WindowText(HWND window)
{
    char text[512] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(BatchStatusDialogTest, ShowsTheLineInTextAndCaptionAndClosesForGood)
{
    std::unique_ptr<BatchStatus> status = MakeBatchStatusDialog(nullptr);
    status->Open();
    const std::string line = "/build C:\\Flowsmith\\Programs\\Sample.ed /targets run";
    const std::string caption = "Command Line Build - " + line;
    status->Show("Now processing:\n\n" + line, caption);

    HWND dialog = ::FindWindowA(nullptr, caption.c_str());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    char text[512] = "";
    ::GetDlgItemTextA(dialog, 1, text, sizeof text);
    EXPECT_EQ(std::string(text), "Now processing:\n\n" + line);
    EXPECT_EQ(WindowText(dialog), caption);
    EXPECT_FALSE(SaveWindowPicture(dialog, "batch_status").empty());

    status->Close();
    EXPECT_FALSE(::IsWindow(dialog));
    status->Close();   // closing twice is harmless
}

}  // namespace
