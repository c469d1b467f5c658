#include "host/headless_options.h"

#include "host/command_line_text.h"


namespace {

constexpr long max_side = 16384;
constexpr long max_frames = 1000000000L;

// A decimal number made of digits only, in [0, max].
bool parse_decimal(const std::string& text, unsigned long long max, unsigned long long& value) {
    if (text.empty() || text.size() > 20) return false;
    unsigned long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<unsigned>(c - '0');
        if (v > max) return false;
    }
    value = v;
    return true;
}

}  // namespace

const char headless_usage[] =
    "usage: quillmere --headless [--size WxH] [--frames N] [--seed S]\n"
    "                 [--snapshot FILE.png] [--pattern FILE.png] [--trace FILE|-]\n"
    "  --size WxH        client size in pixels (default 1024x768)\n"
    "  --frames N        frames to render (default 100)\n"
    "  --seed S          seed the random source with S (0..4294967295) instead of the clock\n"
    "  --snapshot FILE   write the last frame as an RGB PNG\n"
    "  --pattern FILE    write the field's grey texture as a PNG\n"
    "  --trace FILE      write one CSV line per frame (- for standard output)\n";

bool parse_size(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    unsigned long long w = 0, h = 0;
    if (!parse_decimal(text.substr(0, x), max_side, w)) return false;
    if (!parse_decimal(text.substr(x + 1), max_side, h)) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

headless_parse parse_headless_options(const std::vector<std::string>& args) {
    headless_parse result;
    headless_options& o = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool has_value = false;
        const auto eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            has_value = true;
        }
        const bool takes_value = name == "--size" || name == "--frames" || name == "--seed" ||
                                 name == "--snapshot" || name == "--pattern" || name == "--trace";
        const bool is_flag = name == "--headless" || name == "--help" || name == "-h" ||
                             name == "--version";
        if (!takes_value && !is_flag) {
            result.error = "unknown option '" + printable(args[i]) + "'";
            return result;
        }
        if (takes_value && !has_value) {
            if (i + 1 >= args.size()) {
                result.error = "option " + printable(name) + " needs a value";
                return result;
            }
            value = args[++i];
        } else if (!takes_value && has_value) {
            result.error = "option " + printable(name) + " takes no value";
            return result;
        }

        unsigned long long number = 0;
        if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--version") {
            o.version = true;
        } else if (name == "--size") {
            if (!parse_size(value, o.width, o.height)) {
                result.error = "bad size '" + printable(value) + "' (expected WxH, each 0 to 16384)";
                return result;
            }
        } else if (name == "--frames") {
            if (!parse_decimal(value, max_frames, number)) {
                result.error = "bad frame count '" + printable(value) + "' (expected 0 to 1000000000)";
                return result;
            }
            o.frames = static_cast<long>(number);
        } else if (name == "--seed") {
            if (!parse_decimal(value, 0xffffffffULL, number)) {
                result.error = "bad seed '" + printable(value) + "' (expected 0 to 4294967295)";
                return result;
            }
            o.seeded = true;
            o.seed = static_cast<std::uint32_t>(number);
        } else if (name == "--snapshot" || name == "--pattern" || name == "--trace") {
            if (value.empty()) {
                result.error = "option " + printable(name) + " needs a file name";
                return result;
            }
            (name == "--snapshot" ? o.snapshot : name == "--pattern" ? o.pattern : o.trace) = value;
        }
    }
    if (!o.snapshot.empty() && (o.width == 0 || o.height == 0)) {
        result.error = "cannot write a snapshot of an empty drawable (size " +
                       std::to_string(o.width) + "x" + std::to_string(o.height) + ")";
    }
    return result;
}
