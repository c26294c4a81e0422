#pragma once
// The current user's settings ("Software\Veltrane QVD Editor Application\ZorvEditor").

#include <map>
#include <optional>
#include <string>

namespace zorv {

class Registry {
public:
    virtual ~Registry() = default;
    virtual std::optional<std::string> value(const std::string& key) const = 0;
    virtual void setValue(const std::string& key, const std::string& value) = 0;

    int intValue(const std::string& key, int fallback) const {
        auto v = value(key);
        if (!v)
            return fallback;
        try {
            return std::stoi(*v);
        } catch (...) {
            return fallback;
        }
    }
};

class MemoryRegistry : public Registry {
public:
    std::optional<std::string> value(const std::string& key) const override {
        auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void setValue(const std::string& key, const std::string& v) override { values[key] = v; }
    std::map<std::string, std::string> values;
};

} // namespace zorv
