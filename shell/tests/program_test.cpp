// Starts the real Velqora.exe as a user would and drives it from outside,
// knowing nothing of its code: the window, its pages, a click, closing, and
// the resources the executable carries.
//
//   program_tests --program=<Velqora.exe> --phrase-list=<phrase_list.txt> [--code-page=N]
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "window_test_support.h"

namespace {

using velqora::shell::testing_support::endsWith;
using velqora::shell::testing_support::linesOf;
using velqora::shell::testing_support::windowText;

std::wstring programPath;
std::wstring phraseListPath;
UINT expectedCodePage = 0;

std::set<std::wstring> phraseListMembers() {
  HANDLE file = CreateFileW(phraseListPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE);
  std::string bytes(static_cast<std::size_t>(GetFileSize(file, nullptr)), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  const int size = static_cast<int>(bytes.size());
  std::wstring text(
      static_cast<std::size_t>(MultiByteToWideChar(936, 0, bytes.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(936, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
  auto lines = linesOf(text);
  return {lines.begin(), lines.end()};
}

struct FoundWindow {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundWindow*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == found->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

// One running Velqora, ended at the close of each test.
class RunningVelqora : public testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + programPath + L"\"";
    ASSERT_TRUE(CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process_));
    WaitForInputIdle(process_.hProcess, 20000);
    FoundWindow found{process_.dwProcessId, nullptr};
    for (int tries = 0; tries < 400 && !found.window; ++tries) {
      EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&found));
      if (!found.window) Sleep(50);
    }
    ASSERT_NE(found.window, nullptr) << "no window appeared";
    window_ = found.window;
    edit_ = FindWindowExW(window_, nullptr, L"Edit", nullptr);
    button_ = FindWindowExW(window_, nullptr, L"Button", nullptr);
    ASSERT_NE(edit_, nullptr);
    ASSERT_NE(button_, nullptr);
  }

  void TearDown() override {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      PostMessageW(window_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // The page's lines: each a member of the list followed by 平安.
  std::vector<std::wstring> checkedPage() {
    static const auto members = phraseListMembers();
    std::wstring tail;
    auto lines = linesOf(windowText(edit_), &tail);
    EXPECT_EQ(tail, L"");
    for (const auto& line : lines) {
      EXPECT_TRUE(endsWith(line, L"平安")) << "line without 平安";
      EXPECT_TRUE(members.count(line.substr(0, line.size() - 2))) << "line not from the list";
    }
    return lines;
  }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  HWND button_ = nullptr;
};

TEST_F(RunningVelqora, OpensWithItsTitleAndTenWishes) {
  if (expectedCodePage) {
    EXPECT_EQ(GetACP(), expectedCodePage) << "the system code page of this run";
  }
  EXPECT_EQ(windowText(window_), L"VelqoraVER1.0 - 你喜欢的,才是平安!");
  EXPECT_EQ(windowText(button_), L"再来一页");
  EXPECT_EQ(checkedPage().size(), 10u);
}

TEST_F(RunningVelqora, ClickWritesTenNewWishes) {
  const auto first = windowText(edit_);
  SendMessageW(button_, BM_CLICK, 0, 0);
  EXPECT_EQ(checkedPage().size(), 10u);
  EXPECT_NE(windowText(edit_), first);
}

TEST_F(RunningVelqora, CloseEndsTheProcessWithExitCodeZero) {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

// What automation tools, stuck keys and careless pastes can do to it.
class StressedVelqora : public RunningVelqora {
 protected:
  bool answers() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 60000, &result) != 0;
  }
  // Waits until every queued click has been handled: the box holds at least
  // a page and has stopped changing. While clicks are absorbed deep in the
  // nesting, the box holds one line and is still; once they are gone, the
  // pages unwind in a moment.
  void waitUntilSettled() {
    const auto start = GetTickCount();
    std::wstring previous;
    for (int calm = 0; calm < 5 && GetTickCount() - start < 60000;) {
      Sleep(100);
      auto now = windowText(edit_);
      calm = now == previous && linesOf(now).size() >= 10 ? calm + 1 : 0;
      previous = std::move(now);
    }
  }
  DWORD closeAndWait() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
  }
};

TEST_F(StressedVelqora, FloodOfClicksLeavesItAnsweringWithWholeLines) {
  const auto start = GetTickCount();
  for (int i = 0; i < 5000; ++i) ASSERT_TRUE(PostMessageW(button_, BM_CLICK, 0, 0));
  ASSERT_TRUE(answers()) << "no answer during the flood";
  printf("answering %lu ms after 5000 clicks were queued\n", GetTickCount() - start);
  waitUntilSettled();
  printf("5000 queued clicks handled within %lu ms\n", GetTickCount() - start);
  ASSERT_TRUE(answers()) << "no answer after the flood";
  const auto lines = checkedPage().size();
  printf("the box holds %zu whole lines\n", lines);
  EXPECT_GE(lines, 10u);
  EXPECT_EQ(closeAndWait(), 0u);
}

class ClickAndCloseQueuedTogether : public StressedVelqora,
                                    public testing::WithParamInterface<bool> {};

TEST_P(ClickAndCloseQueuedTogether, EndsWithExitCodeZero) {
  if (GetParam()) {
    SendMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(IsIconic(window_));
  }
  PostMessageW(button_, BM_CLICK, 0, 0);
  EXPECT_EQ(closeAndWait(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Window, ClickAndCloseQueuedTogether, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Minimised" : "Shown"; });

TEST_F(StressedVelqora, ClickAfterAHugePasteWritesOneFreshPage) {
  std::wstring pasted;
  const std::wstring line = L"粘贴的很长的文字\r\n";
  while (pasted.size() * sizeof(wchar_t) < 10 * 1024 * 1024) pasted += line;
  // Pasted as a user does: through the clipboard, read by the box itself.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
  CloseClipboard();
  auto start = GetTickCount();
  SendMessageW(edit_, WM_PASTE, 0, 0);
  printf("10 MB pasted in %lu ms\n", GetTickCount() - start);
  ASSERT_GT(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0), 5000000);

  start = GetTickCount();
  SendMessageW(button_, BM_CLICK, 0, 0);
  printf("page after the paste written in %lu ms\n", GetTickCount() - start);
  auto page = checkedPage();
  EXPECT_EQ(page.size(), 10u);
  EXPECT_EQ(windowText(edit_).find(L"粘贴"), std::wstring::npos);
  EXPECT_EQ(closeAndWait(), 0u);
}

// The executable's resources, read as data.
class ProgramResources : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(programPath.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  std::string resource(LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module_, name, type);
    if (!found) return {};
    auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(data, SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

BOOL CALLBACK countName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST_F(ProgramResources, OneIconOf64By77With32BitColour) {
  int groups = 0;
  EnumResourceNamesW(module_, RT_GROUP_ICON, countName, reinterpret_cast<LONG_PTR>(&groups));
  EXPECT_EQ(groups, 1);
  auto group = resource(MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6 + sizeof(IconGroupEntry));
  EXPECT_EQ(reinterpret_cast<const WORD*>(group.data())[2], 1) << "images in the icon";
  const auto* entry = reinterpret_cast<const IconGroupEntry*>(group.data() + 6);
  EXPECT_EQ(entry->width, 64);
  EXPECT_EQ(entry->height, 77);
  EXPECT_EQ(entry->bitCount, 32);

  auto image = resource(MAKEINTRESOURCEW(entry->id), RT_ICON);
  ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
  EXPECT_EQ(header->biWidth, 64);
  EXPECT_EQ(header->biHeight, 2 * 77);
  EXPECT_EQ(header->biBitCount, 32);
  // Real alpha: some pixels see-through, some opaque, some in between.
  std::set<unsigned char> alphas;
  for (std::size_t i = sizeof(BITMAPINFOHEADER) + 3; i < sizeof(BITMAPINFOHEADER) + 64 * 77 * 4;
       i += 4) {
    alphas.insert(static_cast<unsigned char>(image[i]));
  }
  EXPECT_TRUE(alphas.count(0) && alphas.count(255) && alphas.size() > 2);
}

TEST_F(ProgramResources, VersionRecordCarriesNameAndVersion) {
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(programPath.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(programPath.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &size));
  wchar_t block[64];
  swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation->language,
           translation->codePage);
  for (const wchar_t* field : {L"FileDescription", L"ProductName", L"CompanyName", L"Comments"}) {
    wchar_t* value = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), (std::wstring(block) + field).c_str(),
                               reinterpret_cast<void**>(&value), &size))
        << "missing " << testing::PrintToString(std::wstring(field));
    EXPECT_NE(std::wstring(value).find(L"Velqora"), std::wstring::npos);
  }
}

TEST_F(ProgramResources, ManifestAsksForCommonControls6AsInvoker) {
  auto manifest = resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_FALSE(manifest.empty());
  for (const char* needed :
       {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(manifest.find(needed), std::string::npos) << needed;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    std::wstring argument = argv[i];
    if (argument.rfind(L"--program=", 0) == 0) programPath = argument.substr(10);
    if (argument.rfind(L"--phrase-list=", 0) == 0) phraseListPath = argument.substr(14);
    if (argument.rfind(L"--code-page=", 0) == 0)
      expectedCodePage = static_cast<UINT>(std::stoul(argument.substr(12)));
  }
  if (programPath.empty() || phraseListPath.empty()) {
    fwprintf(stderr,
             L"usage: program_tests --program=<exe> --phrase-list=<file> [--code-page=N]\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
