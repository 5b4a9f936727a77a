// The yardstick for start-up: Velqora's window and controls, built with the
// same flags and started the same way, but no word list and no page.
#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include "main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  velqora::shell::MainWindow mainWindow;
  if (!velqora::shell::createMainWindow(instance, mainWindow)) return 1;
  ShowWindow(mainWindow.window, SW_SHOW);
  SetForegroundWindow(mainWindow.window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
