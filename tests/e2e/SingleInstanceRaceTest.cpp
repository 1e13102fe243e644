// Twenty copies started at once: the instance guard must let exactly one show
// its settings dialog, and the others must end quickly without showing a window. A guard
// that tested for the mutex and created it in two steps would let copies through the gap.
#include <set>

#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

constexpr int kCopies = 20;
constexpr int kRoundsPerWay = 2;
// The losers only test the mutex, search the windows and end.
constexpr DWORD kLoserEndMs = 2000;
constexpr DWORD kWatchPollMs = 5;

struct StartWay {
  const char* name;
  // Created suspended and released together: the copies reach the guard as close together
  // as Wine allows, which started one after the other they do not (each start costs tens
  // of ms). Twenty processes initialising at once on a small machine take longer than
  // twenty started in turn, so only copies started in turn are held to kLoserEndMs after
  // the last start; the others must still end, within kWindowTimeoutMs.
  bool releasedTogether;
};
constexpr StartWay kStartWays[] = {{"started back to back", false}, {"released together", true}};

struct Copy {
  UniqueHandle process;
  UniqueHandle thread;
  DWORD pid = 0;
};

struct VisibleWindowSearch {
  const std::set<DWORD>* pids;
  std::set<DWORD> showing;
};

BOOL CALLBACK NoteVisibleWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<VisibleWindowSearch*>(param);
  const DWORD pid = WindowProcessId(window);
  if (IsWindowVisible(window) && search.pids->count(pid) != 0) search.showing.insert(pid);
  return TRUE;
}

// The processes among `pids` that have a visible top-level window now.
std::set<DWORD> ShowingWindows(const std::set<DWORD>& pids) {
  VisibleWindowSearch search{&pids, {}};
  EnumWindows(NoteVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.showing;
}

using SingleInstanceRaceTest = PanelTest;

TEST_F(SingleInstanceRaceTest, TwentySimultaneousStartsShowOneDialog) {
  for (const StartWay& way : kStartWays) {
    for (int round = 1; round <= kRoundsPerWay; ++round) {
      SCOPED_TRACE(std::string(way.name) + ", round " + std::to_string(round));
      std::vector<Copy> copies(kCopies);
      for (Copy& copy : copies) {
        ASSERT_TRUE(StartSuspended(L"\"" + PanelExe() + L"\"", copy.process, copy.thread));
        copy.pid = GetProcessId(copy.process.get());
        if (!way.releasedTogether) ResumeThread(copy.thread.get());
      }
      if (way.releasedTogether) {
        for (Copy& copy : copies) ResumeThread(copy.thread.get());
      }
      // The last start, or the release.
      const ULONGLONG started = GetTickCount64();

      // Watch which copies show a window and when they end, until one shows the settings
      // dialog and all others are gone.
      DialogQuery settings = Titled(kEnglishTitle);
      settings.withControl = IDC_SLIDER_BUF_SIZE;
      HWND dialog = nullptr;
      std::set<DWORD> running;
      for (const Copy& copy : copies) running.insert(copy.pid);
      std::set<DWORD> showedWindow;
      ULONGLONG lastEnd = started;
      while (GetTickCount64() - started < kWindowTimeoutMs) {
        // The dialog first: found before the windows are noted, it is among them, even
        // when it appears just as the last losing copy ends.
        if (dialog == nullptr) {
          const std::vector<HWND> found = FindDialogs(settings);
          if (!found.empty()) dialog = found.front();
        }
        for (DWORD pid : ShowingWindows(running)) showedWindow.insert(pid);
        for (const Copy& copy : copies) {
          if (running.count(copy.pid) != 0 && WaitForProcessEnd(copy.process.get(), 0)) {
            running.erase(copy.pid);
            lastEnd = GetTickCount64();
          }
        }
        if (dialog != nullptr && running.size() == 1) break;
        Sleep(kWatchPollMs);
      }
      ASSERT_NE(dialog, nullptr) << "no copy showed the settings dialog";
      const DWORD winner = WindowProcessId(dialog);
      EXPECT_EQ(running, std::set<DWORD>{winner}) << running.size() << " copies still run";
      EXPECT_EQ(showedWindow, std::set<DWORD>{winner}) << "only the winner shows a window";
      if (!way.releasedTogether) {
        EXPECT_LE(lastEnd - started, kLoserEndMs) << "a losing copy ran long";
      }
      std::printf("%s, round %d: the last losing copy ended %llu ms after the last start\n",
                  way.name, round, lastEnd - started);

      EXPECT_EQ(FindDialogs(Titled(kEnglishTitle)), std::vector<HWND>{dialog});
      EXPECT_EQ(ProcessIdsByImage(kPanelImage), std::vector<DWORD>{winner});
      EndAllPanels();
    }
  }
}

}  // namespace
}  // namespace drvprop::e2e
