#pragma once

// The system registry as three operations (open a key, read a value, close the key), so that
// the About dialog's search for the System Information program runs against a fake in tests.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace halvard::ui {

using RegistryRoot = std::uint32_t;
using RegistryKey = std::uintptr_t;

inline constexpr RegistryRoot LocalMachineRoot = 0x80000002;
// Read access plus the rights to set values, create and enumerate subkeys, notify and link.
inline constexpr std::uint32_t KeyAccessMask = 0x2003F;
inline constexpr std::size_t ValueBufferSize = 1024;
inline constexpr std::uint32_t StringValueType = 1;

struct RegistryValue {
    std::uint32_t Type = 0;
    std::size_t Size = 0; // bytes written into the buffer
};

class Registry {
  public:
    virtual ~Registry() = default;

    virtual std::optional<RegistryKey> OpenKey(RegistryRoot root, const std::string& keyName,
                                               std::uint32_t accessMask) = 0;
    // Reads a value into the buffer, whose whole size is offered; nothing when it cannot.
    virtual std::optional<RegistryValue> QueryValue(RegistryKey key, const std::string& valueName,
                                                    std::span<char> buffer) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

// The registry of the machine the program runs on. Linux has none, so no key opens.
class SystemRegistry final : public Registry {
  public:
    std::optional<RegistryKey> OpenKey(RegistryRoot root, const std::string& keyName,
                                       std::uint32_t accessMask) override;
    std::optional<RegistryValue> QueryValue(RegistryKey key, const std::string& valueName,
                                            std::span<char> buffer) override;
    void CloseKey(RegistryKey key) override;
};

// Reads one value of a key as text. True when the value was read; keyVal is then the text up
// to its first NUL for a string value, and empty for a value of any other type. False, with
// keyVal empty, when the key or the value cannot be read. The key is always closed again.
bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

} // namespace halvard::ui
