#include "tools/quiltra/ProgressBar.h"

#include <cstdio>

#include <unistd.h>

namespace {
constexpr auto kMoment = std::chrono::milliseconds(500);
constexpr auto kRedraw = std::chrono::milliseconds(100);
constexpr int kWidth = 40;
} // namespace

ProgressBar::ProgressBar(const char* w, long t, bool quiet)
    : what(w), total(t > 0 ? t : 1), enabled(!quiet && isatty(STDERR_FILENO)),
      start(std::chrono::steady_clock::now()), lastDrawn(start) {}

ProgressBar::~ProgressBar() {
    if (shown) {
        draw(total);
        std::fputc('\n', stderr);
    }
}

void ProgressBar::Advance(long done) {
    completed.fetch_add(done, std::memory_order_relaxed);
}

void ProgressBar::Show() {
    if (!enabled) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - start < kMoment || now - lastDrawn < kRedraw) {
        return;
    }
    lastDrawn = now;
    shown = true;
    draw(completed.load(std::memory_order_relaxed));
}

void ProgressBar::draw(long done) {
    const int filled = static_cast<int>(kWidth * done / total);
    std::fprintf(stderr, "\r%s [", what);
    for (int i = 0; i < kWidth; ++i) {
        std::fputc(i < filled ? '#' : '.', stderr);
    }
    std::fprintf(stderr, "] %3ld%%", 100 * done / total);
    std::fflush(stderr);
}
