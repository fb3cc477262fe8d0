// The few registry keys the settings dialog touches, as its rules see them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lw {

enum class RegistryRoot { LocalMachine, CurrentUser, DynData };

// The system's value type codes that the dialog tells apart.
enum RegistryType : std::uint32_t {
    kRegistryString = 1,
    kRegistryBinary = 3,
};

struct RegistryValue {
    std::uint32_t type = kRegistryBinary;
    std::vector<std::uint8_t> data;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// A value whose type or size the dialog cannot use; the dialog shows its text.
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An open key; closed when the object goes.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    // Nothing when the value does not exist.
    virtual std::optional<RegistryValue> Read(const std::string& name) = 0;
    // False when the system refused.
    virtual bool Write(const std::string& name, const RegistryValue& value) = 0;
    virtual bool Delete(const std::string& name) = 0;
    // The names of the key's values, in the order the system lists them.
    virtual std::vector<std::string> ValueNames() = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens an existing key for reading and writing, never creating it; null when that fails.
    virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path) = 0;
};

// The text of a string value, up to its terminator; empty for a missing value or another type.
std::string StringOf(const std::optional<RegistryValue>& value);
// `text` as a string value with its terminator.
RegistryValue StringValue(const std::string& text);

}  // namespace lw
