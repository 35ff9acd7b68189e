#include "RegistryFile.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr char kHeaderLine[] = "Windows Registry Editor Version 5.00";
constexpr char kDwordPrefix[] = "dword:";

bool IsBelow(const CRegistryFile::KeyPath& key, const CRegistryFile::KeyPath& ancestor)
{
    return key.size() > ancestor.size() && std::equal(ancestor.begin(), ancestor.end(), key.begin());
}

std::string Quote(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\': quoted += "\\\\"; break;
        case '"': quoted += "\\\""; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        default: quoted += c; break;
        }
    }
    return quoted + "\"";
}

// Reads a quoted text that starts at pos; leaves pos after the closing quote.
bool ReadQuoted(const std::string& line, std::size_t& pos, std::string& text)
{
    if (pos >= line.size() || line[pos] != '"')
        return false;
    text.clear();
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\') {
            if (++pos == line.size())
                return false;
            switch (line[pos]) {
            case '\\': c = '\\'; break;
            case '"': c = '"'; break;
            case 'n': c = '\n'; break;
            case 'r': c = '\r'; break;
            default: return false;
            }
        }
        text += c;
    }
    return false;
}

// One to eight hex digits and nothing after them.
bool ReadDword(const std::string& digits, std::uint32_t& number)
{
    if (digits.empty() || digits.size() > 8)
        return false;
    number = 0;
    for (const char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        number = number << 4 | digit;
    }
    return true;
}

bool ReadValueLine(const std::string& line, CRegistryFile::Value& value)
{
    std::size_t pos = 0;
    if (line.starts_with('@')) {
        value.name.clear();
        pos = 1;
    } else if (!ReadQuoted(line, pos, value.name)) {
        return false;
    }
    if (pos >= line.size() || line[pos] != '=')
        return false;
    ++pos;
    if (line.compare(pos, sizeof kDwordPrefix - 1, kDwordPrefix) == 0) {
        std::uint32_t number = 0;
        if (!ReadDword(line.substr(pos + sizeof kDwordPrefix - 1), number))
            return false;
        value.data = number;
        return true;
    }
    std::string text;
    if (!ReadQuoted(line, pos, text) || pos != line.size())
        return false;
    value.data = text;
    return true;
}

// The key path below rootName that a header line names.
bool ReadKeyLine(const std::string& line, const std::string& rootName, CRegistryFile::KeyPath& key)
{
    if (line.size() < 2 || line.back() != ']')
        return false;
    const std::string name = line.substr(1, line.size() - 2);
    if (!name.starts_with(rootName))
        return false;
    std::string rest = name.substr(rootName.size());
    key.clear();
    if (rest.empty())
        return true;
    if (rest.front() != '\\')
        return false;
    std::size_t begin = 1;
    while (true) {
        const std::size_t end = std::min(rest.find('\\', begin), rest.size());
        if (end == begin)
            return false;
        key.push_back(rest.substr(begin, end - begin));
        if (end == rest.size())
            return true;
        begin = end + 1;
    }
}

std::string FormatValue(const CRegistryFile::Value& value)
{
    std::string line = value.name.empty() ? "@" : Quote(value.name);
    line += '=';
    if (const auto* number = std::get_if<std::uint32_t>(&value.data)) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", *number);
        return line + kDwordPrefix + digits;
    }
    return line + Quote(std::get<std::string>(value.data));
}

}  // namespace

bool CRegistryFile::Parse(const std::string& text, const std::string& rootName)
{
    m_keys.clear();
    const KeyPath* current = nullptr;
    KeyPath key;
    std::size_t begin = 0;
    for (std::size_t lineNumber = 0; begin < text.size(); ++lineNumber) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (line.ends_with('\r'))
            line.pop_back();
        if (lineNumber == 0) {
            if (line != kHeaderLine)
                return false;
        } else if (line.empty() || line.starts_with(';')) {
            continue;
        } else if (line.starts_with('[')) {
            if (!ReadKeyLine(line, rootName, key))
                return false;
            AddKey(key);
            current = &m_keys.find(key)->first;
        } else {
            Value value;
            if (current == nullptr || !ReadValueLine(line, value))
                return false;
            SetValue(*current, value.name, value.data);
        }
    }
    return !m_keys.empty();
}

std::string CRegistryFile::Format(const std::string& rootName) const
{
    std::string text = std::string(kHeaderLine) + "\n";
    for (const auto& [key, values] : m_keys) {
        text += "\n[" + rootName;
        for (const std::string& name : key)
            text += "\\" + name;
        text += "]\n";
        for (const Value& value : values)
            text += FormatValue(value) + "\n";
    }
    return text;
}

bool CRegistryFile::HasKey(const KeyPath& key) const
{
    return m_keys.contains(key);
}

bool CRegistryFile::AddKey(const KeyPath& key)
{
    bool added = false;
    for (std::size_t depth = 0; depth <= key.size(); ++depth)
        added |= m_keys.try_emplace(KeyPath(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(depth))).second;
    return added;
}

bool CRegistryFile::RemoveTree(const KeyPath& key)
{
    const auto found = m_keys.find(key);
    if (found == m_keys.end())
        return false;
    auto last = std::next(found);
    while (last != m_keys.end() && IsBelow(last->first, key))
        ++last;
    m_keys.erase(found, last);
    return true;
}

std::vector<std::string> CRegistryFile::Subkeys(const KeyPath& key) const
{
    std::vector<std::string> names;
    for (auto it = m_keys.upper_bound(key); it != m_keys.end() && IsBelow(it->first, key); ++it) {
        if (it->first.size() == key.size() + 1)
            names.push_back(it->first.back());
    }
    return names;
}

const CRegistryFile::Value* CRegistryFile::FindValue(const KeyPath& key, const std::string& name) const
{
    const auto found = m_keys.find(key);
    if (found == m_keys.end())
        return nullptr;
    for (const Value& value : found->second) {
        if (value.name == name)
            return &value;
    }
    return nullptr;
}

bool CRegistryFile::SetValue(const KeyPath& key, const std::string& name, const Data& data)
{
    const auto found = m_keys.find(key);
    if (found == m_keys.end())
        return false;
    for (Value& value : found->second) {
        if (value.name == name) {
            if (value.data == data)
                return false;
            value.data = data;
            return true;
        }
    }
    found->second.push_back(Value{name, data});
    return true;
}

bool CRegistryFile::RemoveValue(const KeyPath& key, const std::string& name)
{
    const auto found = m_keys.find(key);
    if (found == m_keys.end())
        return false;
    std::vector<Value>& values = found->second;
    const auto removed = std::remove_if(values.begin(), values.end(),
                                        [&](const Value& value) { return value.name == name; });
    if (removed == values.end())
        return false;
    values.erase(removed, values.end());
    return true;
}
