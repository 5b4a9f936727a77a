// The window procedure, the creation of the window and its two controls, and
// the output box operations on 编辑框1.
#include "main_window.h"

#include "text_conversion.h"

namespace velqora::shell {

namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

FontHandle createOutputFont() {
  LOGFONTW font{};
  font.lfHeight = -29;
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynW(font.lfFaceName, OutputFontFace, LF_FACESIZE);
  return FontHandle(CreateFontIndirectW(&font));
}

MainWindow* mainWindowOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HWND createControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                   ControlRect rect, int id) {
  return CreateWindowExW(0, className, text, style, rect.left, rect.top, rect.width, rect.height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         nullptr);
}

bool onCreate(HWND window, MainWindow& self) {
  self.window = window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);

  self.编辑框1 = createControl(window, L"EDIT", L"", OutputBoxStyle, OutputBoxRect, OutputBoxId);
  self.按钮1 =
      createControl(window, L"BUTTON", ButtonCaption, ButtonStyle, ButtonRect, AnotherPageButtonId);
  self.outputFont = createOutputFont();
  if (!self.编辑框1 || !self.按钮1 || !self.outputFont) {
    self.window = nullptr;  // not a program window: its destruction ends nothing
    return false;
  }

  // No length limit: a user may paste as much as memory allows.
  SendMessageW(self.编辑框1, EM_LIMITTEXT, 0, 0);
  SendMessageW(self.编辑框1, WM_SETFONT, reinterpret_cast<WPARAM>(self.outputFont.get()), FALSE);
  SendMessageW(self.按钮1, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return true;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_CREATE:
      return onCreate(window, *mainWindowOf(window)) ? 0 : -1;
    case WM_SETFONT:
      if (auto* self = mainWindowOf(window)) self->windowFont = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      if (auto* self = mainWindowOf(window)) return reinterpret_cast<LRESULT>(self->windowFont);
      return 0;
    case WM_CTLCOLOREDIT: {
      auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, Black);
      SetBkColor(dc, White);
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == AnotherPageButtonId && HIWORD(wParam) == BN_CLICKED) {
        if (auto* self = mainWindowOf(window); self && self->onAnotherPageClicked) {
          self->onAnotherPageClicked();
        }
        return 0;
      }
      break;
    case WM_DESTROY: {
      auto* self = mainWindowOf(window);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      // The program's only window is gone: end the event loop. A window whose
      // creation failed never ran it, and must not cut short the error box.
      if (self && self->window) PostQuitMessage(0);
      if (self) self->window = self->编辑框1 = self->按钮1 = nullptr;
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool registerWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = WindowClassName;
  return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool createMainWindow(HINSTANCE instance, MainWindow& mainWindow) {
  if (!registerWindowClass(instance)) return false;
  // Centred on the whole screen, not the work area; halves round toward zero.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - WindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - WindowHeight) / 2;
  HWND window = CreateWindowExW(0, WindowClassName, WindowTitle, WindowStyle, left, top,
                                WindowWidth, WindowHeight, nullptr, nullptr, instance, &mainWindow);
  if (!window) return false;

  RECT outer{};
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != WindowWidth || outer.bottom - outer.top != WindowHeight ||
      outer.left != left || outer.top != top) {
    SetWindowPos(window, nullptr, left, top, WindowWidth, WindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

void EditOutputBox::appendText(std::string_view text) {
  const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit_));
  SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  const auto wide = fromCodePage936(text);
  // FALSE: a written page is not something the user can undo.
  SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void EditOutputBox::clearText() { SetWindowTextW(edit_, L""); }

bool EditOutputBox::exists() const { return IsWindow(edit_) != FALSE; }

}  // namespace velqora::shell
