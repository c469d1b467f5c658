#include "host/headless_trace.h"

#include "saver/saver_scene.h"

void write_trace_header(std::FILE* out, int width, int height, int tex, double fovy,
                        double aspect, std::uint32_t seed) {
    std::fprintf(out, "# size=%dx%d tex=%d fovy=%.17g aspect=%.17g seed=%u\n", width, height, tex,
                 fovy, aspect, static_cast<unsigned>(seed));
    std::fprintf(out, "frame,red,green,blue,yaw,yaw_velocity,yaw_accel,x,y,z\n");
}

void write_trace_line(std::FILE* out, long frame, const saver_scene& scene) {
    const circles& f = scene.field;
    const ball_camera& c = scene.camera;
    std::fprintf(out, "%ld,%.9g,%.9g,%.9g,%.9g,%.17g,%.17g,%.9g,%.9g,%.9g\n", frame,
                 static_cast<double>(f.red), static_cast<double>(f.green),
                 static_cast<double>(f.blue), static_cast<double>(c.yaw), c.yaw_velocity,
                 c.yaw_accel, static_cast<double>(c.x), static_cast<double>(c.y),
                 static_cast<double>(c.z));
}
