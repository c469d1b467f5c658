// The saver's steady frame against the floor, side by side in one run: each
// draws in its own context of the same setup, and their frames alternate in
// rounds so that machine noise hits both alike. Prints milliseconds per frame
// (wall clock, as the GL's worker threads run beside the caller) and the
// ratio saver / floor.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "common/random_source.h"
#include "floor_frame.h"
#include "host/headless_egl_context.h"
#include "saver/render_frame.h"
#include "saver/saver_scene.h"
#include "saver/setup_view.h"

namespace {

using clock_type = std::chrono::steady_clock;

template <typename Frame>
double milliseconds_for(int frames, Frame&& frame) {
    const auto start = clock_type::now();
    for (int i = 0; i < frames; ++i) frame();
    return std::chrono::duration<double, std::milli>(clock_type::now() - start).count();
}

void compare(int w, int h, int rounds) {
    auto floor_gl = headless_egl_context::create(w, h);
    auto floor = std::make_unique<floor_frame>(w, h);

    auto saver_gl = headless_egl_context::create(w, h);
    seed_random_source(1u);
    auto scene = std::make_unique<saver_scene>();
    setup_view(*scene, w, h);
    for (int i = 0; i < 3; ++i) render_frame(*scene);

    const int frames_per_round = w >= 3840 ? 4 : 16;
    double saver_ms = 0, floor_ms = 0;
    for (int round = 0; round < rounds; ++round) {
        saver_gl->make_current();
        saver_ms += milliseconds_for(frames_per_round, [&] {
            render_frame(*scene);
            saver_gl->swap();
        });
        floor_gl->make_current();
        floor_ms += milliseconds_for(frames_per_round, [&] {
            floor->render();
            floor_gl->swap();
        });
    }
    const double n = static_cast<double>(rounds) * frames_per_round;
    std::printf("%4dx%-5d %12.3f %12.3f %8.3f\n", w, h, saver_ms / n, floor_ms / n,
                saver_ms / floor_ms);

    floor.reset();  // its context is current
    saver_gl->make_current();
    scene.reset();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    std::printf("%-10s %12s %12s %8s\n", "size", "saver ms", "floor ms", "ratio");
    compare(1024, 768, rounds);
    compare(1920, 1080, rounds);
    compare(3840, 2160, rounds);
    return 0;
}
