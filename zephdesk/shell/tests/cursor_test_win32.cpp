#include <windows.h>

#include <gtest/gtest.h>

#include "shell/workspace/kvwinapp.h"

namespace {

TEST(WorkspaceCursorTest, EachMemberSetsItsPointerAtOnce) {
    const struct {
        void (*set)();
        LPCSTR shape;
    } cases[] = {{KvWinApp::SetWaitCursor, reinterpret_cast<LPCSTR>(IDC_WAIT)},
                 {KvWinApp::SetCrossCursor, reinterpret_cast<LPCSTR>(IDC_CROSS)},
                 {KvWinApp::SetNoCursor, reinterpret_cast<LPCSTR>(IDC_NO)},
                 {KvWinApp::SetArrowCursor, reinterpret_cast<LPCSTR>(IDC_ARROW)}};
    for (const auto& c : cases) {
        c.set();
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, c.shape));
    }
}

}  // namespace
