#pragma once

// Runs the terminal front-end as a separate program, as a player or a script would.

#include "TestData.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace halvard::test {

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::filesystem::path GoldenDirectory() {
    return HALVARD_GOLDEN_DIR;
}

// "--trace --data DIR" and the options, dice files named relative to the golden directory.
inline std::string GoldenOptions(const std::string& options) {
    std::string all = "--trace --data " + Quoted(DataDirectory().string());
    std::istringstream words(options);
    for (std::string word; words >> word;)
        all += ' ' + (word.ends_with(".dice") ? Quoted((GoldenDirectory() / word).string()) : word);
    return all;
}

struct Run {
    std::string Output, Errors; // standard output and error
    int ExitStatus = -1;
};

// Runs halvard-cli with the options (already quoted for the shell) and the input on its stdin.
inline Run RunCliWithInput(const std::string& options, const std::string& input) {
    const ScratchDirectory scratch;
    const auto in = scratch.Path() / "in", out = scratch.Path() / "out", errors = scratch.Path() / "errors";
    WriteFile(in, input);
    const int status = std::system((Quoted(HALVARD_CLI) + " " + options + " < " + Quoted(in.string()) +
                                    " > " + Quoted(out.string()) + " 2> " + Quoted(errors.string()))
                                       .c_str());
    return {ReadFile(out), ReadFile(errors), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace halvard::test
