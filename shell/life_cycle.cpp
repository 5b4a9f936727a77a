// Start-up in its fixed order, the event loop, the pump the page writer
// calls between lines, and the exit routine.
#include "life_cycle.h"

#include <commctrl.h>

#include <cstdlib>

#include "page_composer.h"
#include "phrase_list.h"

namespace velqora::shell {

namespace {

void dispatch(const MSG& message) {
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

void processPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) dispatch(message);
  }
}

bool startVelqora(HINSTANCE instance, MainWindow& mainWindow) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  releasePhraseList();
  // Once per process, however often the window is made (tests make several).
  static const bool registered = std::atexit(releasePhraseList) == 0;
  (void)registered;

  if (!createMainWindow(instance, mainWindow)) return false;
  HWND edit = mainWindow.编辑框1;
  mainWindow.onAnotherPageClicked = [edit] {
    EditOutputBox box(edit);
    onAnotherPageClicked(box, processPendingEvents);
  };

  // The window is hidden until its first page is complete.
  EditOutputBox box(edit);
  onMainWindowCreated(box, processPendingEvents);
  ShowWindow(mainWindow.window, SW_SHOW);
  SetForegroundWindow(mainWindow.window);
  return true;
}

int runEventLoop() {
  MSG message;
  BOOL result;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) dispatch(message);
  return result == 0 ? static_cast<int>(message.wParam) : EXIT_FAILURE;
}

int runVelqora(HINSTANCE instance) {
  MainWindow mainWindow;
  if (!startVelqora(instance, mainWindow)) {
    MessageBoxW(nullptr, L"Velqora 无法创建主窗口。\nVelqora could not create its window.",
                L"Velqora", MB_OK | MB_ICONERROR);
    return EXIT_FAILURE;
  }
  return runEventLoop();
}

}  // namespace velqora::shell
