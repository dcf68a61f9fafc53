// How long the clock tick, a repaint and a drift step take on a real window.
// Not a test: prints numbers. Run under Wine, after building the target:
//   WINEPREFIX=$PWD/build/win64/wine scripts/wine build/win64/tick_bench.exe
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/environment.h"
#include "app/system_environment.h"
#include "main_window/frm_main.h"
#include "ui/handles.h"

namespace {

// The real one, but for the time, the input counters and the dialogs.
class BenchEnvironment : public kelbo::SystemEnvironment {
 public:
  kelbo::LocalTime time{12, 0, 0};
  std::uint32_t idle = 0;
  kelbo::LocalTime Now() override { return time; }
  std::uint32_t LastInputTick() override { return 0; }
  std::uint32_t TickCount() override { return idle; }
  void ShowMessage(const std::string&) override {}
  std::optional<std::wstring> Prompt(const std::wstring&, const std::wstring&) override {
    return {};
  }
};

template <typename F>
double MicrosecondsPer(int rounds, F&& f) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) f(i);
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / rounds;
}

}  // namespace

int main() {
  using namespace kelbo;
  BenchEnvironment environment;
  InstallEnvironment(environment);

  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  constexpr int kRounds = 2000;
  const double tickSame = MicrosecondsPer(kRounds, [&](int) { frm.tmr1_Timer(); });
  const double tickAndPaint = MicrosecondsPer(kRounds, [&](int i) {
    environment.time = {i / 3600 % 24, i / 60 % 60, i % 60};
    frm.tmr1_Timer();
    ::UpdateWindow(frm.hWnd());
  });
  const double paintOnly = MicrosecondsPer(kRounds / 10, [&](int) {
    RECT client;
    ::GetClientRect(frm.hWnd(), &client);
    WindowDc screen(nullptr);
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.dc()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.dc(), client.right, client.bottom));
    ScopedSelect select(memory.get(), bitmap.get());
    frm.PaintClient(memory.get(), client);
  });
  environment.idle = 120'000;
  frm.CheckIdle();
  const double drift = MicrosecondsPer(kRounds, [&](int) { frm.tmr2_Timer(); });
  std::printf("clock tick, nothing changed:      %8.1f us\n", tickSame);
  std::printf("clock tick with a new second:     %8.1f us (lamps repainted)\n", tickAndPaint);
  std::printf("whole face into a memory DC:      %8.1f us (our drawing alone)\n", paintOnly);
  std::printf("drift step (read, decide, move):  %8.1f us\n", drift);
  return 0;
}
