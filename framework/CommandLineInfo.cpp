#include "CommandLineInfo.h"

#include <cctype>

namespace {

enum class SwitchEffect { PrintTo, Print, Unregister, Dde, Embedding, Automation };

struct SwitchRule {
    const char* name;
    bool caseSensitive;
    SwitchEffect effect;
};

constexpr SwitchRule kSwitches[] = {
    {"pt", true, SwitchEffect::PrintTo},
    {"p", true, SwitchEffect::Print},
    {"Unregister", false, SwitchEffect::Unregister},
    {"Unregserver", false, SwitchEffect::Unregister},
    {"dde", true, SwitchEffect::Dde},
    {"Embedding", false, SwitchEffect::Embedding},
    {"Automation", false, SwitchEffect::Automation},
};

bool EqualsIgnoringCase(const std::string& text, const std::string& name)
{
    if (text.size() != name.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

const SwitchRule* FindSwitch(const std::string& text)
{
    for (const SwitchRule& rule : kSwitches) {
        if (rule.caseSensitive ? text == rule.name : EqualsIgnoringCase(text, rule.name))
            return &rule;
    }
    return nullptr;
}

}  // namespace

bool CCommandLineInfo::IsSwitch(const std::string& text)
{
    return FindSwitch(text) != nullptr;
}

void CCommandLineInfo::ParseParam(const char* pszParam, bool bFlag, bool bLast)
{
    const std::string text = pszParam != nullptr ? pszParam : "";
    if (bFlag)
        ParseSwitch(text);
    else
        ParseParameter(text);
    if (bLast)
        ParseLast();
}

void CCommandLineInfo::ParseSwitch(const std::string& text)
{
    const SwitchRule* rule = FindSwitch(text);
    if (rule == nullptr)
        return;
    switch (rule->effect) {
    case SwitchEffect::PrintTo:
        m_nShellCommand = FilePrintTo;
        break;
    case SwitchEffect::Print:
        m_nShellCommand = FilePrint;
        break;
    case SwitchEffect::Unregister:
        m_nShellCommand = AppUnregister;
        break;
    case SwitchEffect::Dde:
        m_nShellCommand = FileDDE;
        m_bUserCtrl = false;
        break;
    case SwitchEffect::Embedding:
        m_bRunEmbedded = true;
        m_bShowSplash = false;
        m_bUserCtrl = false;
        break;
    case SwitchEffect::Automation:
        m_bRunAutomated = true;
        m_bShowSplash = false;
        m_bUserCtrl = false;
        break;
    }
}

void CCommandLineInfo::ParseParameter(const std::string& text)
{
    if (m_strFileName.empty())
        m_strFileName = text;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty())
        m_strPrinterName = text;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.empty())
        m_strDriverName = text;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.empty())
        m_strPortName = text;
}

void CCommandLineInfo::ParseLast()
{
    if (m_nShellCommand == FileNew && !m_strFileName.empty())
        m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}

void ParseCommandLineArgs(CCommandLineInfo& info, const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isSwitch = arg.starts_with('-') || (arg.starts_with('/') && CCommandLineInfo::IsSwitch(arg.substr(1)));
        const std::string text = isSwitch ? arg.substr(1) : arg;
        info.ParseParam(text.c_str(), isSwitch, i + 1 == args.size());
    }
}
