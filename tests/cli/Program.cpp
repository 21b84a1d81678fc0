#include "Program.h"

#include "TestData.h"

#include <cstdlib>
#include <sstream>
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
    const auto in = scratch.Path() / "in", out = scratch.Path() / "out", errors = scratch.Path() / "errors";
    test::WriteFile(in, input);
    const int status = std::system((Quoted(HALVARD_CLI) + " " + options + " < " + Quoted(in.string()) +
                                    " > " + Quoted(out.string()) + " 2> " + Quoted(errors.string()))
                                       .c_str());
    return {ReadFile(out), ReadFile(errors), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace halvard::test
