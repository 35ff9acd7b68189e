#include "ProfileStore.h"

#include <cstdint>

namespace {

constexpr CRegistry::Root kUser = CRegistry::HKEY_CURRENT_USER;

}  // namespace

CProfileStore::CProfileStore(const std::string& baseFolder)
    : m_registry(baseFolder)
{
}

void CProfileStore::SetRegistryKey(const std::string& company, const std::string& appName)
{
    m_strCompanyKey = "Software\\" + company;
    m_strAppKey = m_strCompanyKey + "\\" + appName;
}

std::string CProfileStore::OpenSection(const std::string& section)
{
    if (m_strAppKey.empty())
        return std::string();
    const std::string key = m_strAppKey + "\\" + section;
    return m_registry.CreateKey(kUser, key) ? key : std::string();
}

std::string CProfileStore::GetProfileString(const std::string& section, const std::string& entry,
                                            const std::string& defaultValue)
{
    const std::string key = OpenSection(section);
    std::string value;
    if (key.empty() || !m_registry.QueryString(kUser, key, entry, value))
        return defaultValue;
    return value;
}

unsigned CProfileStore::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue)
{
    const std::string key = OpenSection(section);
    std::uint32_t value = 0;
    if (key.empty() || !m_registry.QueryDword(kUser, key, entry, value))
        return static_cast<unsigned>(defaultValue);
    return value;
}

bool CProfileStore::WriteProfileString(const std::string& section, const char* entry, const char* value)
{
    if (entry == nullptr) {
        if (m_strAppKey.empty() || !m_registry.CreateKey(kUser, m_strAppKey))
            return false;
        return m_registry.DeleteTree(kUser, m_strAppKey + "\\" + section);
    }
    const std::string key = OpenSection(section);
    if (key.empty())
        return false;
    if (value == nullptr)
        return m_registry.DeleteValue(kUser, key, entry);
    return m_registry.SetString(kUser, key, entry, value);
}

bool CProfileStore::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    const std::string key = OpenSection(section);
    return !key.empty() && m_registry.SetDword(kUser, key, entry, static_cast<std::uint32_t>(value));
}

void CProfileStore::Unregister(const std::vector<std::string>& regFileTypeIds)
{
    for (const std::string& typeId : regFileTypeIds) {
        for (const char* subkey : {"\\DefaultIcon", "\\shell\\open\\command", "\\shell\\print\\command",
                                   "\\shell\\printto\\command"})
            m_registry.DeleteKeyAndEmptyParents(CRegistry::HKEY_CLASSES_ROOT, typeId + subkey);
    }
    if (m_strAppKey.empty())
        return;
    m_registry.DeleteTree(kUser, m_strAppKey);
    m_registry.DeleteKey(kUser, m_strCompanyKey);
}
