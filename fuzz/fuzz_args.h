// Turns a fuzzer's bytes into a command line: NUL bytes split arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> fuzz_args(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    return args;
}
