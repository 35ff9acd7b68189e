#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

// The keys and values of one application key, as its settings file holds them in registry
// export form:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Company\App]
//
//   [HKEY_CURRENT_USER\Software\Company\App\Recent File List]
//   "File1"="/home/me/a.wav"
//   "Count"=dword:0000000a
//
// Keys are written sorted, a parent before its subkeys, with a blank line between them; a key
// without values is its header line alone. Values keep the order in which they were first
// set. In quoted text a backslash, a double quote, a line feed and a carriage return are
// written as \\, \", \n and \r, so every value stays on its line; the unnamed value is @.
class CRegistryFile {
public:
    // Key names below the application key; the empty path is the application key itself.
    using KeyPath = std::vector<std::string>;
    using Data = std::variant<std::string, std::uint32_t>;
    struct Value {
        std::string name;
        Data data;
    };

    // Reads export text whose keys all lie in rootName (the full name of the application
    // key). False when the text is not in that form; the content is then unspecified.
    bool Parse(const std::string& text, const std::string& rootName);
    std::string Format(const std::string& rootName) const;

    bool HasKey(const KeyPath& key) const;
    // Adds the key and any missing key above it; false when all were there already.
    bool AddKey(const KeyPath& key);
    // Removes the key with its values and everything below it; false when it is not there.
    bool RemoveTree(const KeyPath& key);
    // The names of the key's direct subkeys, sorted.
    std::vector<std::string> Subkeys(const KeyPath& key) const;

    // Null when the key or the value is not there.
    const Value* FindValue(const KeyPath& key, const std::string& name) const;
    // Sets a value of an existing key; false when the key is missing or nothing changed.
    bool SetValue(const KeyPath& key, const std::string& name, const Data& data);
    bool RemoveValue(const KeyPath& key, const std::string& name);

private:
    std::map<KeyPath, std::vector<Value>> m_keys;
};
