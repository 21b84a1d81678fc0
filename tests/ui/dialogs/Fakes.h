#pragma once

// A registry and a program launcher that the tests fill and then read back: what was opened,
// with which mask, whether every key was closed, which files were asked for and what started.

#include "Registry.h"
#include "SysInfo.h"

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace halvard::ui::test {

class FakeRegistry final : public Registry {
  public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };
    struct OpenCall {
        RegistryRoot root;
        std::string keyName;
        std::uint32_t accessMask;
    };

    void Set(const std::string& keyName, const std::string& valueName, Value value) {
        keys_[keyName][valueName] = std::move(value);
    }
    void AddKey(const std::string& keyName) { keys_[keyName]; }
    bool throwOnQuery = false;

    std::optional<RegistryKey> OpenKey(RegistryRoot root, const std::string& keyName,
                                       std::uint32_t accessMask) override {
        opens.push_back({root, keyName, accessMask});
        if (root != LocalMachineRoot || !keys_.contains(keyName)) return std::nullopt;
        const RegistryKey handle = nextHandle_++;
        open_[handle] = keyName;
        return handle;
    }

    std::optional<RegistryValue> QueryValue(RegistryKey key, const std::string& valueName,
                                            std::span<char> buffer) override {
        bufferSizes.push_back(buffer.size());
        for (char c : buffer)
            buffersCameEmpty = buffersCameEmpty && c == '\0';
        if (!open_.contains(key)) {
            misuse = true;
            return std::nullopt;
        }
        if (throwOnQuery) throw std::runtime_error("registry failure");
        const auto& values = keys_.at(open_.at(key));
        const auto value = values.find(valueName);
        // A value longer than the buffer cannot be read, as on the real registry.
        if (value == values.end() || value->second.bytes.size() > buffer.size()) return std::nullopt;
        std::copy(value->second.bytes.begin(), value->second.bytes.end(), buffer.begin());
        return RegistryValue{value->second.type, value->second.bytes.size()};
    }

    void CloseKey(RegistryKey key) override {
        if (open_.erase(key) == 0) misuse = true;
    }

    bool AllKeysClosed() const { return open_.empty(); }

    std::vector<OpenCall> opens;
    std::vector<std::size_t> bufferSizes;
    bool buffersCameEmpty = true;
    bool misuse = false; // a key used or closed that was not open

  private:
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 0x1000;
};

struct FakeLauncher {
    std::set<std::string> files;
    bool startWorks = true;
    std::vector<std::string> filesAskedFor;
    std::vector<std::string> started;

    ProgramLauncher Launcher() {
        return {
            [this](const std::string& path) {
                filesAskedFor.push_back(path);
                return files.contains(path);
            },
            [this](const std::string& program) {
                started.push_back(program);
                return startWorks;
            },
        };
    }
};

inline const std::string MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const std::string SharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

} // namespace halvard::ui::test
