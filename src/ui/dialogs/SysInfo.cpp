#include "SysInfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <exception>

namespace halvard::ui {

ProgramLauncher SystemLauncher() {
    return {
        [](const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); },
        [](const std::string& program) { return QProcess::startDetached(QString::fromStdString(program)); },
    };
}

namespace {

bool FindAndStart(Registry& registry, const ProgramLauncher& launcher) {
    std::string path;
    if (GetKeyValue(registry, LocalMachineRoot, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path))
        return launcher.Start(path);

    std::string folder;
    if (GetKeyValue(registry, LocalMachineRoot, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                    folder)) {
        const std::string program = folder + "\\MSINFO32.EXE";
        if (launcher.FileExists(program)) return launcher.Start(program);
    }
    return false;
}

} // namespace

bool StartSysInfo(Registry& registry, const ProgramLauncher& launcher) {
    // Whatever goes wrong on the way ends in the same "unavailable" message, never in an error.
    try {
        return FindAndStart(registry, launcher);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace halvard::ui
