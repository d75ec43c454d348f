// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played through the handlers at the default pace, each animation timed
// and its passes counted.
#include "Cadence.h"

#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "GradientButton.h"
#include "LiveWindow.h"
#include "Measure.h"
#include "OptionButton.h"

namespace batonnets::bench {

namespace {

// The window as the game uses it, counting passes and noting when the first lid-only
// repaint of a handler comes: there the alignment has ended and the closing begins.
class CountingWindow : public BatonnetsWindow {
  public:
    void pace() override {
        BatonnetsWindow::pace();
        ++passes_;
    }
    void repaintLid() override {
        if (!lidOnlyAt_) {
            lidOnlyAt_ = Clock::now();
            passesBeforeLidOnly_ = passes_;
        }
        BatonnetsWindow::repaintLid();
    }

    long passes() const { return passes_; }
    std::optional<Clock::time_point> lidOnlyAt() const { return lidOnlyAt_; }
    long passesBeforeLidOnly() const { return passesBeforeLidOnly_; }
    void restart() {
        passes_ = 0;
        lidOnlyAt_.reset();
    }

  private:
    long passes_ = 0;
    long passesBeforeLidOnly_ = 0;
    std::optional<Clock::time_point> lidOnlyAt_;
};

struct Measurements {
    std::map<std::string, std::vector<double>> ms;
    std::map<std::string, long> passes;
    long long period = 0;
    // Share of one core used during the longest handler, in %, by this program and by
    // the display server (its pid in BENCH_SERVER_PID; none offscreen).
    std::vector<double> cpuProgram, cpuServer;

    void add(const std::string& key, long n, double millis) {
        // Every run of a given animation makes the same passes; a different count
        // would mean the game did not go the way this benchmark expects.
        auto [it, fresh] = passes.emplace(key, n);
        if (!fresh && it->second != n) {
            std::fprintf(stderr, "%s: %ld passes, then %ld\n", key.c_str(), it->second, n);
            std::exit(1);
        }
        ms[key].push_back(millis);
    }
};

// Runs one handler and returns its duration in ms; the passes are left in the window.
template <class Handler> double durationMs(CountingWindow& f, Handler handler) {
    f.restart();
    const auto start = Clock::now();
    handler();
    return microsSince(start) / 1000.0;
}

// One whole game, always the same: the player opens and closes the box, starts, then
// takes one stick a turn, the leftmost; the computer, never left a losing count, takes
// its fixed replies (2, then 3 each turn) and wins. Then the player asks for the
// computer to start and plays again: the longest handler of all.
void playOneGame(Measurements& m) {
    LiveWindow<CountingWindow> live(false);
    CountingWindow& f = live.f;
    BaseBatonnets& game = live.game;

    double t = durationMs(f, [&] { game.onOuvrir(); });
    m.add("lid-slide", f.passes(), t);
    t = durationMs(f, [&] { game.onFermer(); });
    m.add("lid-slide-lid-only", f.passes(), t);
    t = durationMs(f, [&] { game.onJouer(); });
    m.add("first-game", f.passes(), t);

    for (const std::int16_t k : {0, 3, 7, 11, 15}) {
        t = durationMs(f, [&] { game.onBatonnet(k); });
        m.add("stick-slide", f.passes(), t);
        t = durationMs(f, [&] { game.onJoue(); });
        if (f.passes() == 3 * 257) m.add("computer-3", f.passes(), t);
    }
    if (game.module().NbBatonnets != 1) {
        std::fprintf(stderr, "the game did not end as planned: %d sticks left\n",
                     game.module().NbBatonnets);
        std::exit(1);
    }

    f.debut(1)->click(); // Ordinateur: the lid must close before the new layout
    const char* server = std::getenv("BENCH_SERVER_PID");
    const long program0 = cpuTicks("self"), server0 = server ? cpuTicks(server) : 0;
    const auto start = Clock::now();
    t = durationMs(f, [&] { f.jouer()->click(); });
    const auto share = [t](long ticks) {
        return 100.0 * ticks / sysconf(_SC_CLK_TCK) / (t / 1000.0);
    };
    m.cpuProgram.push_back(share(cpuTicks("self") - program0));
    if (server) m.cpuServer.push_back(share(cpuTicks(server) - server0));
    if (!f.lidOnlyAt()) {
        std::fprintf(stderr, "the new game did not close the lid\n");
        std::exit(1);
    }
    m.add("longest-handler", f.passes(), t);
    // The alignment is every pass before the closing: one per stick, and the way back
    // of each stick taken, two pixels a pass.
    const double alignMs =
        std::chrono::duration<double, std::milli>(*f.lidOnlyAt() - start).count();
    m.add("alignment", f.passesBeforeLidOnly(), alignMs);
    m.period = f.passPeriod().count();
}

} // namespace

int measureCadence(int loops) {
    Measurements m;
    for (int loop = 0; loop < loops; ++loop)
        playOneGame(m);
    for (const auto& [key, values] : m.ms)
        report(("pace-" + key).c_str(), m.passes[key], median(values));
    std::printf("pass-period-us %lld\n", m.period);
    std::printf("cpu-longest-handler %.1f %.1f\n", median(m.cpuProgram), median(m.cpuServer));
    return 0;
}

} // namespace batonnets::bench
