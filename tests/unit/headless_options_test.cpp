#include <gtest/gtest.h>

#include "host/headless_options.h"

TEST(headless_options, defaults_and_values) {
    headless_parse p = parse_headless_options({"--headless"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.width, 1024);
    EXPECT_EQ(p.options.height, 768);
    EXPECT_EQ(p.options.frames, 100);
    EXPECT_FALSE(p.options.seeded);

    p = parse_headless_options({"--headless", "--size", "0x600", "--frames=3", "--seed",
                                "4294967295", "--trace", "-", "--pattern", "p.png"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.width, 0);
    EXPECT_EQ(p.options.height, 600);
    EXPECT_EQ(p.options.frames, 3);
    EXPECT_TRUE(p.options.seeded);
    EXPECT_EQ(p.options.seed, 4294967295u);
    EXPECT_EQ(p.options.trace, "-");
    EXPECT_EQ(p.options.pattern, "p.png");
}

TEST(headless_options, bad_input_names_the_problem) {
    struct row {
        std::vector<std::string> args;
        const char* mentions;
    };
    const row rows[] = {
        {{"--bogus"}, "--bogus"},
        {{"--size", "1024"}, "1024"},
        {{"--size", "-5x10"}, "-5x10"},
        {{"--size", "20000x10"}, "20000x10"},
        {{"--size", "10x"}, "10x"},
        {{"--size"}, "needs a value"},
        {{"--frames", "1e3"}, "1e3"},
        {{"--frames", ""}, "frame count"},
        {{"--seed", "4294967296"}, "4294967296"},
        {{"--seed", "-1"}, "-1"},
        {{"--headless=yes"}, "takes no value"},
        {{"--snapshot", "s.png", "--size", "0x10"}, "empty drawable"},
        {{"--trace="}, "file name"},
        // Found by fuzzing: a newline in an argument split the error in two.
        {{"\n"}, "\\x0a"},
        {{"--size", "1\nx2"}, "1\\x0ax2"},
        {{std::string(5000, 'z')}, "zzz..."},
    };
    for (const row& r : rows) {
        const headless_parse p = parse_headless_options(r.args);
        EXPECT_NE(p.error.find(r.mentions), std::string::npos)
            << "args[0]=" << r.args[0] << " error='" << p.error << "'";
        EXPECT_EQ(p.error.find('\n'), std::string::npos);
    }
}
