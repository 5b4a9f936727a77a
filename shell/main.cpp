// Velqora's entry point.
#include <windows.h>

#include "life_cycle.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return velqora::shell::runVelqora(instance);
}
