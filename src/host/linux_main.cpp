// The Linux program: the saver offscreen (--headless) for snapshots and tests.
#include <string>
#include <vector>

#include "host/headless_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return headless_run(args);
}
