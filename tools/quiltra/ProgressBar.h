#pragma once

#include <atomic>
#include <chrono>

// A progress bar on stderr for long work, shown only when stderr is a
// terminal and the work has taken more than a moment.
class ProgressBar {
  public:
    ProgressBar(const char* what, long total, bool quiet);
    ~ProgressBar();

    // Counts done more units; any thread may call it.
    void Advance(long done);
    // Redraws when due; called by one thread only.
    void Show();

  private:
    void draw(long done);

    const char* what;
    long total;
    bool enabled;
    bool shown = false;
    std::atomic<long> completed{0};
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point lastDrawn;
};
