#include "Registry.h"

#include <algorithm>
#include <array>

namespace halvard::ui {

std::optional<RegistryKey> SystemRegistry::OpenKey(RegistryRoot, const std::string&, std::uint32_t) {
    return std::nullopt;
}

std::optional<RegistryValue> SystemRegistry::QueryValue(RegistryKey, const std::string&, std::span<char>) {
    return std::nullopt;
}

void SystemRegistry::CloseKey(RegistryKey) {}

namespace {

// Closes the key on every way out, a throwing query included.
class OpenedKey {
  public:
    OpenedKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenedKey() { registry_.CloseKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    RegistryKey Handle() const { return key_; }

  private:
    Registry& registry_;
    RegistryKey key_;
};

} // namespace

bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    keyVal.clear();
    const std::optional<RegistryKey> handle = registry.OpenKey(keyRoot, keyName, KeyAccessMask);
    if (!handle) return false;
    const OpenedKey key(registry, *handle);

    std::array<char, ValueBufferSize> buffer{};
    const std::optional<RegistryValue> value = registry.QueryValue(key.Handle(), subKeyRef, buffer);
    if (!value) return false;

    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    if (value->Type == StringValueType) keyVal.assign(buffer.begin(), end);
    return true;
}

} // namespace halvard::ui
