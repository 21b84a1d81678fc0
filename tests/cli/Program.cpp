#include "Program.h"

#include "TestData.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace halvard::test {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::filesystem::path GoldenDirectory() {
    return HALVARD_GOLDEN_DIR;
}

std::string GoldenOptions(const std::string& options) {
    std::string all = "--trace --data " + Quoted(DataDirectory().string());
    std::istringstream words(options);
    for (std::string word; words >> word;)
        all += ' ' + (word.ends_with(".dice") ? Quoted((GoldenDirectory() / word).string()) : word);
    return all;
}

Run RunCliWithInput(const std::string& options, const std::string& input) {
    const ScratchDirectory scratch;
    const auto in = scratch.Path() / "stdin", errors = scratch.Path() / "stderr";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        Quoted(HALVARD_CLI) + " " + options + " < " + Quoted(in.string()) + " 2> " + Quoted(errors.string());
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    Run run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.Output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Errors = ReadFile(errors);
    return run;
}

} // namespace halvard::test
