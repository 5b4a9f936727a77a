// Velqora's window created in this process through the program's own
// start-up code, then read back and driven: geometry, styles, fonts, colours
// and the pages written on start and on each click.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <map>

#include "life_cycle.h"
#include "main_window.h"
#include "phrase_list.h"
#include "window_test_support.h"

namespace velqora::shell {
namespace {

using testing_support::endsWith;
using testing_support::linesOf;
using testing_support::rectInParent;
using testing_support::windowText;

const std::wstring PingAn = L"平安";

void drainQueue() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageW(&message);
  }
}

bool quitQueuedWithCode(WPARAM code) {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && message.wParam == code;
}

// A control's class and its rectangle in the window's client area.
void expectControl(HWND control, const wchar_t* className, ControlRect expected) {
  wchar_t actualClass[16]{};
  GetClassNameW(control, actualClass, 16);
  EXPECT_STREQ(actualClass, className);
  RECT rect = rectInParent(control);
  EXPECT_EQ(rect.left, expected.left);
  EXPECT_EQ(rect.top, expected.top);
  EXPECT_EQ(rect.right - rect.left, expected.width);
  EXPECT_EQ(rect.bottom - rect.top, expected.height);
}

// Style bits that must be set and bits that must be clear.
void expectStyle(HWND window, std::initializer_list<DWORD> set,
                 std::initializer_list<DWORD> clear) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  for (DWORD bit : set) EXPECT_EQ(style & bit, bit) << "missing " << std::hex << bit;
  for (DWORD bit : clear) EXPECT_EQ(style & bit, 0u) << "unwanted " << std::hex << bit;
}

// A window drawn into a bitmap of its own, as WM_PRINT paints it.
class DrawnWindow {
 public:
  DrawnWindow(HWND window, int width, int height)
      : screen_(GetDC(nullptr)),
        dc_(CreateCompatibleDC(screen_)),
        bitmap_(CreateCompatibleBitmap(screen_, width, height)),
        previous_(SelectObject(dc_, bitmap_)) {
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc_),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  }
  ~DrawnWindow() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    ReleaseDC(nullptr, screen_);
  }
  DrawnWindow(const DrawnWindow&) = delete;
  DrawnWindow& operator=(const DrawnWindow&) = delete;
  COLORREF pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC screen_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

// Every line of the box is a whole wish; returns how many there are.
std::size_t checkedPageLines(HWND edit) {
  std::wstring tail;
  auto lines = linesOf(windowText(edit), &tail);
  EXPECT_EQ(tail, L"") << "the box ends inside a line";
  for (const auto& line : lines) EXPECT_TRUE(endsWith(line, PingAn)) << "line without 平安";
  return lines.size();
}

class VelqoraWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(startVelqora(GetModuleHandleW(nullptr), window_)); }
  void TearDown() override {
    if (window_.window) DestroyWindow(window_.window);
    drainQueue();
    releasePhraseList();
  }
  HWND window() const { return window_.window; }
  HWND edit() const { return window_.编辑框1; }
  HWND button() const { return window_.按钮1; }

  MainWindow window_;
};

TEST_F(VelqoraWindow, IsTheFixedCentredWindowOfTheDesign) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920) << "the tests expect a 1920 x 1080 screen";
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  RECT outer{};
  GetWindowRect(window(), &outer);
  EXPECT_EQ(outer.left, 735);
  EXPECT_EQ(outer.top, 252);
  EXPECT_EQ(outer.right, 1184);
  EXPECT_EQ(outer.bottom, 828);

  EXPECT_EQ(windowText(window()), L"VelqoraVER1.0 - 你喜欢的,才是平安!");
  expectStyle(window(), {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_CLIPCHILDREN, WS_VISIBLE},
              {WS_THICKFRAME, WS_MAXIMIZEBOX, WS_POPUP, WS_CHILD});
  // The system adds WS_EX_WINDOWEDGE to every captioned window; nothing else.
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE));
  EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u) << std::hex << exStyle;
  EXPECT_EQ(GetWindow(window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetClassLongPtrW(window(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(window(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

std::map<UINT, UINT> openedMenuStates;

LRESULT CALLBACK readSystemMenu(int code, WPARAM wParam, LPARAM lParam) {
  auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
  // Idle in the open menu: by now the system has set the items' states.
  if (code == HC_ACTION && call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU &&
      openedMenuStates.empty()) {
    HMENU menu = GetSystemMenu(call->hwnd, FALSE);
    for (UINT command : {SC_SIZE, SC_MAXIMIZE, SC_MOVE, SC_MINIMIZE, SC_CLOSE}) {
      openedMenuStates[command] = GetMenuState(menu, command, MF_BYCOMMAND);
    }
    EndMenu();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(VelqoraWindow, CannotBeResizedOrMaximisedButMovedMinimisedAndClosed) {
  RECT outer{};
  GetWindowRect(window(), &outer);
  const LONG middleY = (outer.top + outer.bottom) / 2;
  for (POINT edge : {POINT{outer.left, middleY}, POINT{outer.right - 1, middleY},
                     POINT{outer.right - 1, outer.bottom - 1}}) {
    auto hit = SendMessageW(window(), WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y));
    EXPECT_TRUE(hit < HTSIZEFIRST || hit > HTSIZELAST)
        << "sizing border at " << edge.x << "," << edge.y;
  }
  // The system menu's items take their state when it opens: open it, read
  // them, close it.
  openedMenuStates.clear();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, readSystemMenu, nullptr, GetCurrentThreadId());
  SendMessageW(window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  UnhookWindowsHookEx(hook);
  ASSERT_FALSE(openedMenuStates.empty()) << "the system menu did not open";
  auto enabled = [](UINT command) {
    UINT state = openedMenuStates[command];
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
  };
  EXPECT_FALSE(enabled(SC_SIZE));
  EXPECT_FALSE(enabled(SC_MAXIMIZE));
  EXPECT_TRUE(enabled(SC_MOVE));
  EXPECT_TRUE(enabled(SC_MINIMIZE));
  EXPECT_TRUE(enabled(SC_CLOSE));
}

TEST_F(VelqoraWindow, OutputBoxHasItsPlaceStylesLimitAndColours) {
  expectControl(edit(), L"Edit", {0, 0, 440, 504});
  expectStyle(edit(),
              {WS_CHILD, WS_CLIPSIBLINGS, ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN, ES_CENTER},
              {WS_VSCROLL, WS_HSCROLL, ES_AUTOHSCROLL, ES_READONLY, ES_PASSWORD, ES_UPPERCASE,
               ES_LOWERCASE, ES_NOHIDESEL, ES_RIGHT});
  // An edit control takes WS_BORDER off its style and draws the border
  // itself; no 3D edge. Drawn, it is one pixel of line, then the white box.
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(edit(), GWL_EXSTYLE));
  EXPECT_EQ(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0u);
  const DrawnWindow drawn(edit(), 440, 504);
  const COLORREF white = RGB(255, 255, 255);
  for (int x : {0, 439}) EXPECT_NE(drawn.pixel(x, 495), white) << "border at x " << x;
  EXPECT_NE(drawn.pixel(220, 503), white) << "border at the bottom";
  for (int x : {1, 2, 438}) EXPECT_EQ(drawn.pixel(x, 495), white) << "x " << x;
  EXPECT_GE(static_cast<DWORD>(SendMessageW(edit(), EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);

  HDC dc = CreateCompatibleDC(nullptr);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit())));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  LOGBRUSH fill{};
  ASSERT_TRUE(GetObjectW(brush, sizeof fill, &fill));
  EXPECT_EQ(fill.lbColor, RGB(255, 255, 255));
  DeleteDC(dc);
}

TEST_F(VelqoraWindow, OutputBoxFontIsBoldItalic29PixelMicrosoftYaHei) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(edit(), WM_GETFONT, 0, 0));
  LOGFONTW logFont{};
  ASSERT_TRUE(GetObjectW(font, sizeof logFont, &logFont));
  EXPECT_STREQ(logFont.lfFaceName, L"微软雅黑");
  EXPECT_EQ(logFont.lfHeight, -29);
  EXPECT_EQ(logFont.lfWidth, 0);
  EXPECT_EQ(logFont.lfEscapement, 0);
  EXPECT_EQ(logFont.lfOrientation, 0);
  EXPECT_EQ(logFont.lfWeight, 700);
  EXPECT_TRUE(logFont.lfItalic);
  EXPECT_FALSE(logFont.lfUnderline);
  EXPECT_FALSE(logFont.lfStrikeOut);
  EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(logFont.lfOutPrecision, OUT_DEFAULT_PRECIS);
  EXPECT_EQ(logFont.lfClipPrecision, CLIP_DEFAULT_PRECIS);
  EXPECT_EQ(logFont.lfQuality, PROOF_QUALITY);
  EXPECT_EQ(logFont.lfPitchAndFamily, DEFAULT_PITCH);
}

TEST_F(VelqoraWindow, ButtonHasItsPlaceCaptionStyleAndFont) {
  expectControl(button(), L"Button", {16, 512, 416, 32});
  EXPECT_EQ(windowText(button()), L"再来一页");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(button(), GWL_STYLE));
  EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
  expectStyle(button(), {WS_CHILD, WS_CLIPSIBLINGS, BS_CENTER, BS_VCENTER, BS_MULTILINE},
              {BS_BITMAP, BS_ICON});
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(button(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

// Seen by a hook: how many lines the box held when the window was first shown.
HWND watchedWindow = nullptr;
HWND watchedEdit = nullptr;
int linesWhenShown = -1;

LRESULT CALLBACK watchShow(int code, WPARAM wParam, LPARAM lParam) {
  auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
  wchar_t className[64]{};
  GetClassNameW(call->hwnd, className, 64);
  if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && linesWhenShown < 0 &&
      std::wstring(className) == WindowClassName) {
    watchedWindow = call->hwnd;
    watchedEdit = FindWindowExW(call->hwnd, nullptr, L"Edit", nullptr);
    linesWhenShown = watchedEdit ? static_cast<int>(linesOf(windowText(watchedEdit)).size()) : 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(VelqoraStart, FirstShowsTheWindowWithItsFirstPageComplete) {
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchShow, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  MainWindow mainWindow;
  ASSERT_TRUE(startVelqora(GetModuleHandleW(nullptr), mainWindow));
  UnhookWindowsHookEx(hook);

  EXPECT_EQ(watchedWindow, mainWindow.window);
  EXPECT_EQ(linesWhenShown, 10);
  EXPECT_TRUE(IsWindowVisible(mainWindow.window));
  EXPECT_EQ(GetForegroundWindow(), mainWindow.window);
  EXPECT_EQ(checkedPageLines(mainWindow.编辑框1), 10u);
  EXPECT_EQ(phraseLineCount, 65302);
  DestroyWindow(mainWindow.window);
  EXPECT_TRUE(quitQueuedWithCode(0));
  drainQueue();
  releasePhraseList();
}

TEST_F(VelqoraWindow, ClickReplacesPageAndTypedTextWithTenNewLines) {
  const auto firstPage = windowText(edit());
  for (wchar_t typed : std::wstring(L"typed\r")) SendMessageW(edit(), WM_CHAR, typed, 0);
  ASSERT_NE(windowText(edit()).find(L"typed"), std::wstring::npos);

  SendMessageW(button(), BM_CLICK, 0, 0);

  const auto secondPage = windowText(edit());
  EXPECT_EQ(secondPage.find(L"typed"), std::wstring::npos);
  EXPECT_NE(secondPage, firstPage);
  EXPECT_EQ(checkedPageLines(edit()), 10u);
  // The caret follows the newest line.
  DWORD selectionEnd = 0;
  SendMessageW(edit(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
  EXPECT_EQ(selectionEnd, secondPage.size());
}

TEST_F(VelqoraWindow, ClickQueuedDuringAPageNestsAWholePageInside) {
  // The first posted click starts a page; the second waits in the queue and
  // is handled in that page's first turn, so 10 + 9 lines remain.
  PostMessageW(button(), BM_CLICK, 0, 0);
  PostMessageW(button(), BM_CLICK, 0, 0);
  processPendingEvents();
  EXPECT_EQ(checkedPageLines(edit()), 19u);
}

TEST_F(VelqoraWindow, CloseDuringAPageStopsItAndEndsTheLoopWithZero) {
  PostMessageW(button(), BM_CLICK, 0, 0);
  PostMessageW(window(), WM_CLOSE, 0, 0);
  processPendingEvents();
  EXPECT_FALSE(IsWindow(window_.window));
  EXPECT_EQ(runEventLoop(), 0);
}

TEST_F(VelqoraWindow, MinimiseAndRestoreChangeNoText) {
  const auto page = windowText(edit());
  ShowWindow(window(), SW_MINIMIZE);
  processPendingEvents();
  EXPECT_TRUE(IsIconic(window()));
  ShowWindow(window(), SW_RESTORE);
  processPendingEvents();
  EXPECT_FALSE(IsIconic(window()));
  EXPECT_EQ(windowText(edit()), page);
}

TEST_F(VelqoraWindow, PendingEventsNeverWaitAndLeaveQuitQueued) {
  processPendingEvents();  // an empty queue returns at once
  PostQuitMessage(7);
  PostMessageW(button(), BM_CLICK, 0, 0);
  processPendingEvents();
  EXPECT_TRUE(quitQueuedWithCode(7));
}

}  // namespace
}  // namespace velqora::shell
