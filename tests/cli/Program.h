#pragma once

// Runs the terminal front-end as a separate program, as a player or a script would.

#include <filesystem>
#include <string>

namespace halvard::test {

struct Run {
    std::string Output; // standard output
    std::string Errors; // standard error
    int ExitStatus = -1;
};

// Runs halvard-cli with the options (already quoted for the shell), its standard input read
// from a file, or given as text.
Run RunCli(const std::string& options, const std::filesystem::path& input);
Run RunCliWithInput(const std::string& options, const std::string& input);

std::string Quoted(const std::string& text);
std::filesystem::path GoldenDirectory();
// "--trace --data DIR" and the options, dice files named relative to the golden directory.
std::string GoldenOptions(const std::string& options);

} // namespace halvard::test
