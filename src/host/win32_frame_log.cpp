#include "host/win32_frame_log.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/gl_api.h"

namespace {

constexpr int first_logged_frame = 3;

const char* log_path = nullptr;
int frames = 0;
int log_width = 0;
int log_height = 0;

long count_lit_pixels() {
    if (log_width <= 0 || log_height <= 0) return 0;
    std::vector<unsigned char> pixels(static_cast<size_t>(log_width) * log_height * 4);
    glReadPixels(0, 0, log_width, log_height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    long lit = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        if (pixels[i] != 0 || pixels[i + 1] != 0 || pixels[i + 2] != 0) ++lit;
    }
    return lit;
}

}  // namespace

void frame_log_start(int width, int height) {
    log_path = std::getenv("QUILLMERE_LOG");
    log_width = width;
    log_height = height;
}

void frame_log_tick() {
    if (log_path == nullptr || ++frames < first_logged_frame) return;
    // Binary mode: "\n" line ends on every system.
    std::FILE* f = std::fopen(log_path, "ab");
    if (f == nullptr) return;
    if (frames == first_logged_frame) {
        std::fprintf(f, "frame %d size %dx%d lit %ld\n", frames, log_width, log_height,
                     count_lit_pixels());
    } else {
        std::fprintf(f, "frame %d\n", frames);
    }
    std::fclose(f);
}
