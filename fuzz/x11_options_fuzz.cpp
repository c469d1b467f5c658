// The X11 command line: any arguments and any $XSCREENSAVER_WINDOW give either
// a mode with a usable window id or one line of error. The first argument
// stands for the environment value.
#include <cstdlib>

#include "fuzz_args.h"
#include "host/x11_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args = fuzz_args(data, size);
    const std::string env = args.front();
    args.erase(args.begin());
    const x11_parse p = parse_x11_options(args, env.empty() ? nullptr : env.c_str());
    if (!p.error.empty()) {
        if (p.error.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    const x11_options& o = p.options;
    if (o.window_id > 0xffffffffUL) std::abort();
    if (o.mode == x11_mode::preview && o.window_id == 0) std::abort();
    if (o.window_id != 0 && o.mode != x11_mode::preview && o.mode != x11_mode::foreign) std::abort();
    return 0;
}
