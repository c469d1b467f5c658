#include "host/headless_run.h"

#include <cstdio>
#include <ctime>
#include <memory>

#include "common/gl_api.h"
#include "common/random_source.h"
#include "host/headless_egl_context.h"
#include "host/headless_options.h"
#include "host/headless_png.h"
#include "host/headless_readback.h"
#include "host/headless_trace.h"
#include "saver/saver_events.h"
#include "saver/saver_view.h"
#include "saver/view_projection.h"

#ifndef QUILLMERE_VERSION
#define QUILLMERE_VERSION "0"
#endif

namespace {

int fail(const std::string& message, int code) {
    std::fprintf(stderr, "quillmere: %s\n", message.c_str());
    return code;
}

struct file_closer {
    void operator()(std::FILE* f) const {
        if (f != stdout) std::fclose(f);
    }
};

}  // namespace

int headless_run(const std::vector<std::string>& args) {
    const headless_parse parsed = parse_headless_options(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "quillmere: %s (see --help)\n", parsed.error.c_str());
        return 2;
    }
    const headless_options& o = parsed.options;
    if (o.help) {
        std::fputs(headless_usage, stdout);
        return 0;
    }
    if (o.version) {
        std::printf("quillmere %s\n", QUILLMERE_VERSION);
        return 0;
    }

    // Without a seed, the clock's seconds seed the run, as at static start-up.
    const std::uint32_t seed = o.seeded ? o.seed : static_cast<std::uint32_t>(std::time(nullptr));
    seed_random_source(seed);

    std::unique_ptr<std::FILE, file_closer> trace;
    if (!o.trace.empty()) {
        trace.reset(o.trace == "-" ? stdout : std::fopen(o.trace.c_str(), "w"));
        if (!trace) return fail("cannot write trace " + o.trace, 1);
    }

    std::unique_ptr<headless_egl_context> context;
    try {
        context = headless_egl_context::create(o.width, o.height);
    } catch (const gl_unavailable& e) {
        return fail(e.what(), 1);
    }
    if (glGetString(GL_VERSION) == nullptr) return fail("the OpenGL context does not answer", 1);

    saver_create(o.width, o.height);
    const saver_scene& scene = *current_view->scene;
    if (trace) {
        const view_projection p = projection_for(o.width, o.height);
        write_trace_header(trace.get(), o.width, o.height, scene.field.tex_width, p.fovy, p.aspect,
                           seed);
    }
    for (long frame = 1; frame <= o.frames; ++frame) {
        saver_tick();
        context->swap();
        if (trace) write_trace_line(trace.get(), frame, scene);
    }

    if (!o.snapshot.empty()) {
        const auto rgb = read_frame_rgb(o.width, o.height);
        const std::string error = write_png(o.snapshot, o.width, o.height, 3, rgb.data());
        if (!error.empty()) return fail(error, 1);
    }
    if (!o.pattern.empty()) {
        const auto grey = field_pattern_grey(scene.field);
        const int side = scene.field.tex_width;
        const std::string error = write_png(o.pattern, side, side, 1, grey.data());
        if (!error.empty()) return fail(error, 1);
    }
    saver_destroy();
    if (trace && std::fflush(trace.get()) != 0) return fail("cannot write trace " + o.trace, 1);
    return 0;
}
