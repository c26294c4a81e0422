#pragma once
// The current user's settings over QSettings("Veltrane QVD Editor Application", "ZorvEditor");
// keys with a section are written "Section/Key".

#include <QSettings>

#include "platform/Registry.h"

namespace zorv {

inline constexpr const char* kRegistryOrganisation = "Veltrane QVD Editor Application";
inline constexpr const char* kRegistryApplication = "ZorvEditor";

class QtRegistry : public Registry {
public:
    QtRegistry() : settings_(kRegistryOrganisation, kRegistryApplication) {}
    std::optional<std::string> value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;

private:
    mutable QSettings settings_;
};

} // namespace zorv
