#pragma once

#include "AtomicFile.h"
#include "RegistryFile.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A small registry kept in files, for the settings that the framework remembers between runs.
//
// Keys are named by paths with '\' between the names, below one of two roots. Under
// HKEY_CURRENT_USER the key "Software" always exists and stands for the base folder (by
// default ${XDG_CONFIG_HOME:-$HOME/.config}); a company key "Software\<company>" is a folder
// in it; an application key "Software\<company>\<app>" is the file <company>/<app>.reg,
// which holds that key and every key below it (see CRegistryFile for the text). No other
// key can exist. HKEY_CLASSES_ROOT has no store here: its keys are never found and cannot
// be created.
//
// Every operation reads the file it needs and, when it changed something, replaces that file
// atomically. A file that cannot be parsed is renamed aside to <app>.reg.bad-<UTC time> and
// the key then counts as never created. Failures are reported as false and change nothing.
class CRegistry {
public:
    enum Root { HKEY_CLASSES_ROOT, HKEY_CURRENT_USER };

    // An empty base folder means that there is no store: nothing is found or kept.
    explicit CRegistry(std::string baseFolder = DefaultBaseFolder());

    // $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config, else empty.
    static std::string DefaultBaseFolder();
    const std::string& GetBaseFolder() const { return m_strBaseFolder; }

    // Opens the key, creating it and every key above it that is missing.
    bool CreateKey(Root root, const std::string& key);
    bool KeyExists(Root root, const std::string& key);

    // Values are read without regard to their type: a number read as text gives its decimal
    // digits; a text read as a number gives its value when the whole text is a decimal
    // number that fits 32 bits, and fails otherwise.
    bool QueryString(Root root, const std::string& key, const std::string& name, std::string& value);
    bool QueryDword(Root root, const std::string& key, const std::string& name, std::uint32_t& value);

    // Values are set in existing keys only; the empty name is the key's unnamed value.
    bool SetString(Root root, const std::string& key, const std::string& name, const std::string& value);
    bool SetDword(Root root, const std::string& key, const std::string& name, std::uint32_t value);
    bool DeleteValue(Root root, const std::string& key, const std::string& name);

    // Deletes a key that has no subkeys; "Software" itself is never deleted. A company key
    // goes only when its folder holds nothing else either.
    bool DeleteKey(Root root, const std::string& key);
    // Deletes the key and everything below it, deepest first.
    bool DeleteTree(Root root, const std::string& key);
    // Deletes the key when it has no subkeys, then its parent when that has none left, and
    // so on upwards; stops at the first key that is missing or still has a subkey.
    void DeleteKeyAndEmptyParents(Root root, const std::string& key);

    // The names of the key's direct subkeys, sorted; empty when it has none or is missing.
    std::vector<std::string> EnumSubkeys(Root root, const std::string& key);
    bool HasSubkeys(Root root, const std::string& key) { return !EnumSubkeys(root, key).empty(); }

    // Replaces write(2) for the settings files, so that tests can fail a write half-way.
    void SetWriteFunction(WriteFunction writeBytes) { m_writeBytes = std::move(writeBytes); }

private:
    struct Location;
    enum class LoadResult { Missing, Loaded, Unusable };

    bool Locate(Root root, const std::string& key, Location& location) const;
    LoadResult Load(const Location& location, CRegistryFile& file) const;
    bool Save(const Location& location, const CRegistryFile& file) const;
    bool LoadKey(Root root, const std::string& key, Location& location, CRegistryFile& file);
    bool QueryValue(Root root, const std::string& key, const std::string& name, CRegistryFile::Data& data);
    bool SetValue(Root root, const std::string& key, const std::string& name,
                  const CRegistryFile::Data& data);
    bool RemoveAppFile(const Location& location) const;
    bool EnsureFolder(const std::string& folder) const;

    std::string m_strBaseFolder;
    WriteFunction m_writeBytes;
};
