// Start-up and click timings of the real program under Wine or Windows.
//
//   window_benchmark --velqora=<Velqora.exe> --bare=<bare_window.exe> [--runs=N] [--clicks=N]
//
// Start-up: from CreateProcess to the window visible with its ten lines
// (the bare window: to its window visible), alternating Velqora and the bare
// window. Click: the round trip of a synchronous BM_CLICK on "再来一页".
// Prints one "name value" line per figure.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK findWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->window = window;
  return FALSE;
}

int linesIn(HWND edit) {
  auto length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  int lines = 0;
  for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos;
       at = text.find(L"\r\n", at + 2))
    ++lines;
  return lines;
}

struct Running {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double startupMs = -1;
};

// Starts a program and waits for its window: visible, answering, and for
// Velqora holding its first page.
Running start(const std::wstring& path, int linesWanted) {
  Running running;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + path + L"\"";
  const double begin = nowMs();
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &running.process)) {
    return running;
  }
  while (nowMs() - begin < 30000) {
    Search search{running.process.dwProcessId, nullptr};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    if (search.window) {
      // Both programs are asked for their text, so both are timed to the
      // same point: shown, and answering from their event loop.
      HWND edit = FindWindowExW(search.window, nullptr, L"Edit", nullptr);
      if (edit && linesIn(edit) >= linesWanted) {
        running.startupMs = nowMs() - begin;
        running.window = search.window;
        break;
      }
    }
    Sleep(0);
  }
  return running;
}

void stop(Running& running) {
  if (running.window) PostMessageW(running.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(running.process.hProcess, 10000) == WAIT_TIMEOUT) {
    TerminateProcess(running.process.hProcess, 1);
  }
  CloseHandle(running.process.hThread);
  CloseHandle(running.process.hProcess);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  auto n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring velqora, bare;
  int runs = 15, clicks = 100;
  for (int i = 1; i < argc; ++i) {
    std::wstring argument = argv[i];
    if (argument.rfind(L"--velqora=", 0) == 0) velqora = argument.substr(10);
    if (argument.rfind(L"--bare=", 0) == 0) bare = argument.substr(7);
    if (argument.rfind(L"--runs=", 0) == 0) runs = std::stoi(argument.substr(7));
    if (argument.rfind(L"--clicks=", 0) == 0) clicks = std::stoi(argument.substr(9));
  }
  if (velqora.empty() || bare.empty()) {
    fwprintf(stderr,
             L"usage: window_benchmark --velqora=<exe> --bare=<exe> [--runs=N] [--clicks=N]\n");
    return 2;
  }

  // One start of each first, unmeasured: the first start of any program
  // pays for loading the system's DLLs.
  for (const auto* path : {&velqora, &bare}) {
    auto warm = start(*path, path == &velqora ? 10 : 0);
    stop(warm);
  }

  std::vector<double> velqoraMs, bareMs;
  for (int run = 0; run < runs; ++run) {
    auto a = start(velqora, 10);
    stop(a);
    auto b = start(bare, 0);
    stop(b);
    if (a.startupMs < 0 || b.startupMs < 0) {
      fwprintf(stderr, L"a program did not start\n");
      return 1;
    }
    velqoraMs.push_back(a.startupMs);
    bareMs.push_back(b.startupMs);
  }
  printf("startup_velqora_ms %.1f\n", median(velqoraMs));
  printf("startup_bare_ms %.1f\n", median(bareMs));
  printf("startup_runs %d\n", runs);

  auto running = start(velqora, 10);
  HWND button = FindWindowExW(running.window, nullptr, L"Button", nullptr);
  auto timeClicks = [&] {
    std::vector<double> clickMs;
    for (int i = 0; i < clicks && button; ++i) {
      const double begin = nowMs();
      SendMessageW(button, BM_CLICK, 0, 0);
      clickMs.push_back(nowMs() - begin);
    }
    return clickMs.empty() ? -1.0 : median(clickMs);
  };
  const double shown = timeClicks();
  // Minimised, nothing is painted: the difference is the cost of drawing.
  SendMessageW(running.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  const double minimised = timeClicks();
  stop(running);
  if (shown < 0) return 1;
  printf("click_page_ms %.2f\n", shown);
  printf("click_page_minimised_ms %.2f\n", minimised);
  printf("click_runs %d\n", clicks);
  return 0;
}
