// The Linux program: the saver on X11, or offscreen with --headless.
#include <algorithm>
#include <string>
#include <vector>

#include "host/headless_run.h"
#include "host/x11_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto given = [&args](const char* option) {
        return std::find(args.begin(), args.end(), option) != args.end();
    };
    // The offscreen mode also answers --version, so the version lives in one place.
    if (given("--headless") || given("--version")) return headless_run(args);
    return x11_run(args);
}
