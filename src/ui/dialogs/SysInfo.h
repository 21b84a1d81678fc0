#pragma once

// Finds the operating system's System Information program through the registry and starts it.

#include "Registry.h"

#include <functional>
#include <string>

namespace halvard::ui {

// The two file-system operations the search needs, replaceable in tests. Start returns false
// when the program could not be started.
struct ProgramLauncher {
    std::function<bool(const std::string& path)> FileExists;
    std::function<bool(const std::string& program)> Start;
};

// The real file test, and a start of the program in its own process.
ProgramLauncher SystemLauncher();

// Starts the System Information program: the one the MSINFO key names by its PATH, else
// MSINFO32.EXE in the folder of the shared tools. False when neither can be found or started,
// or when anything on the way fails; the caller then tells the player it is unavailable.
bool StartSysInfo(Registry& registry, const ProgramLauncher& launcher);

} // namespace halvard::ui
