#pragma once

#include "Registry.h"

#include <string>
#include <vector>

// The application's profile: named entries in named sections, kept in the registry under
// "Software\<company>\<application>\<section>". Every read and every write opens that key
// with create-if-missing semantics, so reading a section creates it (and the keys above it)
// even when nothing is ever written. Failures are silent: a read gives its default, a write
// reports false and changes nothing. Until SetRegistryKey is called there is no store.
class CProfileStore {
public:
    explicit CProfileStore(const std::string& baseFolder = CRegistry::DefaultBaseFolder());

    // Keeps the settings under company\appName from now on; writes nothing itself.
    void SetRegistryKey(const std::string& company, const std::string& appName);

    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = std::string());
    unsigned GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);

    // A null entry deletes the whole section key; a null value deletes the entry.
    bool WriteProfileString(const std::string& section, const char* entry, const char* value);
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);

    // Removes what registering a document type would have put under HKEY_CLASSES_ROOT for
    // each type id (its DefaultIcon and the shell open, print and printto commands), then the
    // application key with everything below it, then the company key when nothing else is
    // left in it. Whatever cannot be found or removed is passed over.
    void Unregister(const std::vector<std::string>& regFileTypeIds = {});

    // "Software\<company>\<application>", or empty before SetRegistryKey.
    const std::string& GetAppKey() const { return m_strAppKey; }
    CRegistry& GetRegistry() { return m_registry; }

private:
    // Opens the section's key, creating what is missing; empty when that fails.
    std::string OpenSection(const std::string& section);

    CRegistry m_registry;
    std::string m_strCompanyKey;
    std::string m_strAppKey;
};
