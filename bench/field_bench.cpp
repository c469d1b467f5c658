// What the saver costs on the GL at hand: the one-off counting pass with its
// readback and shading, and a steady frame, at full-HD and 4K sizes.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "common/random_source.h"
#include "host/headless_egl_context.h"
#include "saver/render_frame.h"
#include "saver/saver_scene.h"
#include "saver/setup_view.h"

namespace {

// Counts heap allocations, to show that steady frames make none.
std::atomic<long> allocations{0};

std::unique_ptr<headless_egl_context> context;

headless_egl_context& context_for(int width, int height) {
    if (!context) {
        context = headless_egl_context::create(width, height);
    } else {
        context->resize(width, height);
    }
    return *context;
}

void counting_pass_readback_and_shading(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    context_for(width, height);
    seed_random_source(1u);
    saver_scene scene;
    setup_view(scene, width, height);
    render_frame(scene);  // compiles the disc list outside the timing
    for (auto _ : state) {
        scene.field.needs_count = true;
        scene.field.needs_shade = true;
        scene.field.update();  // counting pass and readback
        scene.field.update();  // shading
    }
    state.counters["texture_side"] = scene.field.tex_width;
}

void steady_frame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    headless_egl_context& gl = context_for(width, height);
    seed_random_source(1u);
    saver_scene scene;
    setup_view(scene, width, height);
    for (int i = 0; i < 3; ++i) render_frame(scene);

    long uploads = 0;
    const long allocations_before = allocations.load();
    for (auto _ : state) {
        uploads += scene.field.texture_dirty ? 1 : 0;
        render_frame(scene);
        gl.swap();
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["allocs_per_frame"] = static_cast<double>(allocations.load() - allocations_before) / frames;
    state.counters["uploads_per_frame"] = static_cast<double>(uploads) / frames;
}

}  // namespace

// The replaced operator new allocates with malloc, so free is the matching
// release; GCC cannot see that pairing.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK(counting_pass_readback_and_shading)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(steady_frame)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
