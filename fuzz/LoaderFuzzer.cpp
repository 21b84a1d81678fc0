// libFuzzer target for the game database loader: whatever bytes a file holds, opening it either
// gives a database or raises one GameDataError. Any other exception (it ends in std::terminate),
// a crash, a hang or a sanitizer report is a fault, and libFuzzer keeps the file that caused it.

#include "GameDatabase.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The loader opens files, not bytes: each input goes to the same file of this process.
const std::filesystem::path& InputFile() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("halvard-fuzz-" + std::to_string(::getpid()) + "-" + std::string(halvard::GameDatabase::FileName));
        std::atexit([] { std::filesystem::remove(InputFile()); });
        return path;
    }();
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& file = InputFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        // Without required targets, so that a seed's WaveSelection and Gunnery are read whatever
        // its Targets hold; the program's list of required targets is one lookup after them.
        const halvard::GameDatabase database = halvard::GameDatabase::Open(file);
        // What the engine takes for granted once the file is accepted.
        for (const halvard::TargetRow& target : database.Targets())
            if (target.ZoneCount < 2 || target.ZoneCount > 8) std::abort();
        for (int roll = 11; roll <= 66; ++roll)
            if (database.WaveRows(roll).size() > 5) std::abort();
        for (int gun = 2; gun <= 10; ++gun)
            for (int position = 1; position <= 20; ++position)
                if (const halvard::GunneryRow* row = database.Gunnery(gun, position))
                    for (int toHit : row->ByType)
                        if (toHit < 0 || toHit > 6) std::abort();
    } catch (const halvard::GameDataError&) {
    }
    return 0;
}
