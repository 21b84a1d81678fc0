#pragma once

// A registry and a program launcher that the tests fill and then read back: what was opened,
// with which mask, whether every key was closed, which files were asked for and what started.

#include "Registry.h"
#include "SysInfo.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvard::ui::test {

class FakeRegistry final : public Registry {
  public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };
    void Set(const std::string& keyName, const std::string& valueName, Value value) {
        keys_[keyName][valueName] = std::move(value);
    }
    void AddKey(const std::string& keyName) { keys_[keyName]; }

    std::optional<RegistryKey> OpenKey(RegistryRoot root, const std::string& keyName,
                                       std::uint32_t accessMask) override {
        opens.push_back({root, keyName, accessMask});
        if (root != LocalMachineRoot || !keys_.contains(keyName)) return std::nullopt;
        open_[nextHandle_] = keyName;
        return nextHandle_++;
    }
    std::optional<RegistryValue> QueryValue(RegistryKey key, const std::string& valueName,
                                            std::span<char> buffer) override {
        bufferSizes.push_back(buffer.size());
        buffersCameEmpty = buffersCameEmpty && std::ranges::count(buffer, '\0') == std::ssize(buffer);
        misuse = misuse || !open_.contains(key);
        if (misuse) return std::nullopt;
        if (throwOnQuery) throw std::runtime_error("registry failure");
        const auto& values = keys_.at(open_.at(key));
        const auto value = values.find(valueName);
        // A value longer than the buffer cannot be read, as on the real registry.
        if (value == values.end() || value->second.bytes.size() > buffer.size()) return std::nullopt;
        std::ranges::copy(value->second.bytes, buffer.begin());
        return RegistryValue{value->second.type, value->second.bytes.size()};
    }
    void CloseKey(RegistryKey key) override { misuse = misuse || open_.erase(key) == 0; }
    bool AllKeysClosed() const { return open_.empty(); }

    struct OpenCall {
        RegistryRoot root;
        std::string keyName;
        std::uint32_t accessMask;
    };
    std::vector<OpenCall> opens;
    std::vector<std::size_t> bufferSizes;
    bool buffersCameEmpty = true;
    bool misuse = false; // a key used or closed that was not open
    bool throwOnQuery = false;

  private:
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 0x1000;
};

struct FakeLauncher {
    std::set<std::string> files;
    bool startWorks = true;
    std::vector<std::string> filesAskedFor, started;

    ProgramLauncher Launcher() {
        return {[this](const std::string& path) {
                    filesAskedFor.push_back(path);
                    return files.contains(path);
                },
                [this](const std::string& program) {
                    started.push_back(program);
                    return startWorks;
                }};
    }
};

inline const std::string MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const std::string SharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

} // namespace halvard::ui::test
