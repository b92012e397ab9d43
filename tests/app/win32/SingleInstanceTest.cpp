#include "app/win32/SingleInstance.h"

#include <gtest/gtest.h>

#include <string>

namespace kuitti {
namespace {

// A name of this test's own, so that a running window never answers.
constexpr wchar_t kName[] = L"Local\\kuittikopio-single-instance-test";
constexpr wchar_t kWindowClass[] = L"kuittikopio-single-instance-test-window";

TEST(SingleInstanceTest, OnlyTheFirstOfTheSessionRuns) {
  SingleInstance first(kName);
  ASSERT_TRUE(first.IsFirst());
  {
    SingleInstance second(kName);
    EXPECT_FALSE(second.IsFirst());
  }
  SingleInstance third(kName);
  EXPECT_FALSE(third.IsFirst());
}

TEST(SingleInstanceTest, AnEndedInstanceNeverBlocks) {
  { SingleInstance first(kName); }
  EXPECT_TRUE(SingleInstance(kName).IsFirst());
}

// A crashed instance: a child process of this program that makes the mutex and is killed.
TEST(SingleInstanceTest, AKilledInstanceNeverBlocks) {
  wchar_t self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --hold-instance";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child));
  bool held = false;
  for (int tries = 0; tries < 200 && !held; ++tries) {
    Sleep(25);
    held = !SingleInstance(kName).IsFirst();
  }
  EXPECT_TRUE(held) << "the child never made the mutex";
  TerminateProcess(child.hProcess, 9);
  WaitForSingleObject(child.hProcess, 10000);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_TRUE(SingleInstance(kName).IsFirst());
}

HWND MakeWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, kWindowClass, L"test", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                         nullptr, windowClass.hInstance, nullptr);
}

TEST(BringWindowToFrontTest, RestoresAMinimisedOrHiddenWindow) {
  HWND window = MakeWindow();
  ASSERT_NE(window, nullptr);
  for (const int state : {SW_MINIMIZE, SW_HIDE, SW_SHOWNORMAL}) {
    ShowWindow(window, state);
    EXPECT_TRUE(BringWindowToFront(kWindowClass)) << state;
    EXPECT_TRUE(IsWindowVisible(window)) << state;
    EXPECT_FALSE(IsIconic(window)) << state;
  }
  DestroyWindow(window);
  EXPECT_FALSE(BringWindowToFront(kWindowClass));
}

}  // namespace
}  // namespace kuitti

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--hold-instance") {
    kuitti::SingleInstance held(kuitti::kName);
    Sleep(60000);
    return 0;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
