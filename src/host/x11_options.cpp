#include "host/x11_options.h"

#include <cctype>

#include "host/command_line_text.h"

namespace {

enum class value_kind {
    none,         // a flag
    window,       // a window id must follow
    optional_id,  // a window id may follow; it is checked, then unused
    text,         // any value, which must be there
};

struct known_option {
    const char* name;
    value_kind value;
};

// Windows screen-saver letters (also after '/', in either case), then the
// xscreensaver generic options that a hack is given.
const known_option windows_letters[] = {
    {"s", value_kind::none},   {"p", value_kind::window},      {"l", value_kind::window},
    {"c", value_kind::optional_id}, {"a", value_kind::optional_id},
};
const known_option long_options[] = {
    {"root", value_kind::none},       {"window", value_kind::none},
    {"window-id", value_kind::window}, {"fps", value_kind::none},
    {"no-fps", value_kind::none},     {"display", value_kind::text},
    {"delay", value_kind::text},      {"visual", value_kind::text},
    {"geometry", value_kind::text},   {"install", value_kind::none},
    {"noinstall", value_kind::none},  {"mono", value_kind::none},
    {"pair", value_kind::none},       {"sync", value_kind::none},
    {"help", value_kind::none},       {"h", value_kind::none},
};

const known_option* find_option(const std::string& name, bool slash) {
    for (const auto& o : windows_letters) {
        if (name == o.name) return &o;
    }
    if (slash) return nullptr;
    for (const auto& o : long_options) {
        if (name == o.name) return &o;
    }
    return nullptr;
}

// Splits "-name", "--name=value", "/x" or "/x:value" into its name and any
// value written into the same argument. False when it is no option at all.
bool split_option(const std::string& arg, std::string& name, std::string& value, bool& has_value,
                  bool& slash) {
    std::size_t start = 0;
    slash = false;
    if (arg.rfind("--", 0) == 0) {
        start = 2;
    } else if (arg.rfind("-", 0) == 0) {
        start = 1;
    } else if (arg.rfind("/", 0) == 0) {
        start = 1;
        slash = true;
    } else {
        return false;
    }
    name = arg.substr(start);
    has_value = false;
    // Windows passes the settings request's handle as "/c:1234".
    const bool letter_with_colon = name.size() >= 2 && name[1] == ':';
    const auto cut = letter_with_colon ? std::size_t{1} : name.find('=');
    if (cut != std::string::npos) {
        value = name.substr(cut + 1);
        name = name.substr(0, cut);
        has_value = true;
    }
    if (name.size() == 1) name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return !name.empty();
}

bool looks_like_value(const std::string& arg) {
    return !arg.empty() && arg[0] != '-' && arg[0] != '/';
}

}  // namespace

const char x11_usage[] =
    "usage: quillmere [option]\n"
    "  (none), -window   the saver in a window of its own (q or Esc closes it)\n"
    "  -s                full screen; ends on a key, a click, a mouse move or focus loss\n"
    "  -p ID, -l ID      preview inside window ID (decimal or 0x hex)\n"
    "  -c, -a ID         settings and password change: nothing to do, exits at once\n"
    "  -root             draw into $XSCREENSAVER_WINDOW, else the root window\n"
    "  -window-id ID     draw into window ID\n"
    "  -fps              show the frame rate\n"
    "  -display NAME     the X display to use\n"
    "  --headless ...    render offscreen (see --headless --help)\n"
    "  --version         print the version\n"
    "Options take one or two dashes; the letters s, p, l, c and a also '/', in either case.\n"
    "xscreensaver's -delay, -install, -visual, -mono and the like are accepted and ignored.\n";

bool parse_window_id(const std::string& text, unsigned long& id) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::size_t first = hex ? 2 : 0;
    const unsigned base = hex ? 16 : 10;
    if (text.size() <= first || text.size() - first > 10) return false;
    unsigned long long v = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        const int c = std::tolower(static_cast<unsigned char>(text[i]));
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            return false;
        }
        v = v * base + digit;
        if (v > 0xffffffffULL) return false;
    }
    if (v == 0) return false;
    id = static_cast<unsigned long>(v);
    return true;
}

x11_parse parse_x11_options(const std::vector<std::string>& args, const char* xscreensaver_window) {
    x11_parse result;
    x11_options& o = result.options;
    bool root = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name, value;
        bool has_value = false, slash = false;
        const known_option* known = nullptr;
        if (split_option(args[i], name, value, has_value, slash)) known = find_option(name, slash);
        if (known == nullptr) {
            result.error = "unknown option '" + printable(args[i]) + "'";
            result.show_usage = true;
            return result;
        }
        if (known->value == value_kind::none && has_value) {
            result.error = "option " + printable(args[i]) + " takes no value";
            result.show_usage = true;
            return result;
        }
        const bool value_follows = i + 1 < args.size() &&
                                   (known->value == value_kind::text || looks_like_value(args[i + 1]));
        if (known->value != value_kind::none && !has_value && value_follows) {
            value = args[++i];
            has_value = true;
        }
        if ((known->value == value_kind::window || known->value == value_kind::text) && !has_value) {
            result.error = "option " + printable(args[i]) + " needs a value";
            result.show_usage = true;
            return result;
        }
        unsigned long id = 0;
        if ((known->value == value_kind::window || known->value == value_kind::optional_id) &&
            has_value && !parse_window_id(value, id)) {
            result.error = "bad window id '" + printable(value) + "' (expected decimal or 0x hex)";
            return result;
        }

        // When modes repeat, the last one counts, so a daemon's extra option wins.
        if (name == "s") {
            o.mode = x11_mode::full_screen;
        } else if (name == "p" || name == "l") {
            o.mode = x11_mode::preview;
            o.window_id = id;
        } else if (name == "c") {
            o.mode = x11_mode::settings;
        } else if (name == "a") {
            o.mode = x11_mode::password;
        } else if (name == "root") {
            o.mode = x11_mode::foreign;
            root = true;
        } else if (name == "window") {
            o.mode = x11_mode::window;
        } else if (name == "window-id") {
            o.mode = x11_mode::foreign;
            o.window_id = id;
            root = false;
        } else if (name == "fps" || name == "no-fps") {
            o.fps = name == "fps";
        } else if (name == "display") {
            o.display = value;
        } else if (name == "help" || name == "h") {
            o.mode = x11_mode::help;
        }
    }
    if (o.mode != x11_mode::preview && o.mode != x11_mode::foreign) o.window_id = 0;
    if (o.mode == x11_mode::foreign && root) {
        o.window_id = 0;
        const std::string env = xscreensaver_window ? xscreensaver_window : "";
        if (!env.empty() && !parse_window_id(env, o.window_id)) {
            result.error = "bad window id '" + printable(env) + "' in $XSCREENSAVER_WINDOW";
        }
    }
    return result;
}
