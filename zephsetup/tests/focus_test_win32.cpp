// Where the wizard puts the focus when it refuses an address or a look-up fails.
#include "wizard_fixture.h"

namespace setup::testing {
namespace {

class WizardFocusTest : public WizardTest {};

int FocusedId() { return ::GetDlgCtrlID(::GetFocus()); }

TEST_F(WizardFocusTest, RefusedAddressesAndFailedLookUpsPutTheFocusOnTheAddress) {
  CSystemInfo system;
  std::vector<int> focus;
  DialogDriver driver([&](HWND sheet) {
    Press(sheet, kNext);
    // Empty address refused on Next.
    ::SetFocus(::GetDlgItem(CurrentPage(sheet), 20212));
    Press(sheet, kNext);
    focus.push_back(FocusedId());
    // A name that does not resolve.
    Type(sheet, 20209, "nowhere");
    ::SetFocus(::GetDlgItem(CurrentPage(sheet), 20212));
    Click(sheet, 20217);
    focus.push_back(FocusedId());
    Press(sheet, IDCANCEL);
  });
  wizard.Edit(system, nullptr, nullptr);
  EXPECT_EQ(focus, (std::vector<int>{20209, 20209}));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Please enter a valid name or IP address of the server.");
  EXPECT_EQ(boxes[1].text,
            "Unable to resolve IP address of this server from DNS. Please check the name or enter a valid IP address.");
}

}  // namespace
}  // namespace setup::testing
