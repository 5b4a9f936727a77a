// Velqora's one window: a fixed-size, screen-centred frame holding the output
// box 编辑框1, where pages are written, and the button 按钮1 ("再来一页").
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "output_box.h"
#include "win32_handles.h"

namespace velqora::shell {

struct ControlRect {
  int left, top, width, height;
};

constexpr int WindowWidth = 449;
constexpr int WindowHeight = 576;
constexpr ControlRect OutputBoxRect{0, 0, 440, 504};
constexpr ControlRect ButtonRect{16, 512, 416, 32};
constexpr int OutputBoxId = 1001;
constexpr int AnotherPageButtonId = 1002;

inline constexpr wchar_t WindowClassName[] = L"VelqoraMainWindow";
inline constexpr wchar_t WindowTitle[] = L"VelqoraVER1.0 - 你喜欢的,才是平安!";
inline constexpr wchar_t ButtonCaption[] = L"再来一页";
inline constexpr wchar_t OutputFontFace[] = L"微软雅黑";

constexpr DWORD WindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD OutputBoxStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER |
                                 ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_CENTER;
constexpr DWORD ButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

// The live window. It is stored on the window itself, so it must stay where
// it was created until the window is destroyed: neither copied nor moved.
struct MainWindow {
  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND window = nullptr;
  HWND 编辑框1 = nullptr;
  HWND 按钮1 = nullptr;
  // Outlives the edit control it is set on: the window is destroyed first.
  FontHandle outputFont;
  // A plain window keeps no font of its own; this answers WM_GETFONT.
  HFONT windowFont = nullptr;
  std::function<void()> onAnotherPageClicked;
};

// Creates the window and its controls, hidden, at their fixed size and place.
// Returns false when any of them cannot be made.
bool createMainWindow(HINSTANCE instance, MainWindow& mainWindow);

// 编辑框1 as the composer's output box.
class EditOutputBox : public OutputBox {
 public:
  explicit EditOutputBox(HWND edit) : edit_(edit) {}
  void appendText(std::string_view text) override;
  void clearText() override;
  bool exists() const override;

 private:
  HWND edit_;
};

}  // namespace velqora::shell
