// Where the time to the first picture goes, offscreen: making the context,
// creating the saver (view, field, texture storage), the counting frame with
// its readback, the shading frame with its upload, and the first frame that
// shows the pattern. The ticks between frames (50 ms each) come on top.
#include <chrono>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "common/random_source.h"
#include "host/headless_egl_context.h"
#include "saver/saver_events.h"

namespace {

double since_ms(std::chrono::steady_clock::time_point& mark) {
    const auto now = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(now - mark).count();
    mark = now;
    return ms;
}

// Milliseconds since this process started, from the kernel's start time.
double process_age_ms() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    unsigned long long start_ticks = 0;
    if (std::FILE* f = std::fopen("/proc/self/stat", "r")) {
        // Field 22 is the start time in clock ticks since boot.
        char buffer[1024];
        const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
        std::fclose(f);
        buffer[n] = 0;
        const char* p = std::strrchr(buffer, ')');
        for (int field = 2; p != nullptr && field < 22; ++field) p = std::strchr(p + 1, ' ');
        if (p != nullptr) start_ticks = std::strtoull(p + 1, nullptr, 10);
    }
    const double boot_ms = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return boot_ms - start_ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv) {
    const int width = argc > 2 ? std::atoi(argv[1]) : 1024;
    const int height = argc > 2 ? std::atoi(argv[2]) : 768;
    const double before_main = process_age_ms();
    auto mark = std::chrono::steady_clock::now();
    seed_random_source(1u);
    auto gl = headless_egl_context::create(width, height);
    const double context_ms = since_ms(mark);
    saver_create(width, height);
    const double create_ms = since_ms(mark);
    saver_tick();
    gl->swap();
    const double count_ms = since_ms(mark);
    saver_tick();
    gl->swap();
    const double shade_ms = since_ms(mark);
    saver_tick();
    gl->swap();
    const double show_ms = since_ms(mark);
    std::printf("%dx%d: process start %.1f, context %.1f, create %.1f, counting frame %.1f, "
                "shading frame %.1f, first shown frame %.1f ms; total %.1f ms + 2 ticks\n",
                width, height, before_main, context_ms, create_ms, count_ms, shade_ms, show_ms,
                before_main + context_ms + create_ms + count_ms + shade_ms + show_ms);
    saver_destroy();
    return 0;
}
