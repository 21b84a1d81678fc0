#pragma once

// Runs the terminal front-end as a separate program, as a player or a script would.

#include <filesystem>
#include <string>

namespace halvard::test {

struct Run {
    std::string Output, Errors; // standard output and error
    int ExitStatus = -1;
};

// Runs halvard-cli with the options (already quoted for the shell) and the input on its stdin.
Run RunCliWithInput(const std::string& options, const std::string& input);

std::string Quoted(const std::string& text);
std::filesystem::path GoldenDirectory();
// "--trace --data DIR" and the options, dice files named relative to the golden directory.
std::string GoldenOptions(const std::string& options);

} // namespace halvard::test
