// The offscreen command line: any arguments give either options within their
// documented ranges or one line of error.
#include <cstdlib>

#include "fuzz_args.h"
#include "host/headless_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const headless_parse p = parse_headless_options(fuzz_args(data, size));
    if (!p.error.empty()) {
        if (p.error.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    const headless_options& o = p.options;
    if (o.width < 0 || o.width > 16384 || o.height < 0 || o.height > 16384) std::abort();
    if (o.frames < 0 || o.frames > 1000000000L) std::abort();
    if (!o.snapshot.empty() && (o.width == 0 || o.height == 0)) std::abort();
    return 0;
}
