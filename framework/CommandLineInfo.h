#pragma once

#include <string>
#include <vector>

// What the command line asks the program to do at start-up.
class CCommandLineInfo {
public:
    enum ShellCommand { FileNew = 0, FileOpen = 1, FilePrint = 2, FilePrintTo = 3, FileDDE = 4, AppUnregister = 5 };

    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // Takes one argument: a switch (bFlag, without its leading character) or a parameter.
    // bLast marks the last argument, after which a file name turns FileNew into FileOpen.
    //
    // Switches: "pt" (print to), "p" (print) and "dde" count only in small letters;
    // "Unregister", "Unregserver", "Embedding" and "Automation" in any letter case; any
    // other switch is ignored. A later command switch overrides an earlier one.
    // The first parameter is the file name; while the command is FilePrintTo the next
    // parameters are the printer, the driver and the port; any other is ignored.
    virtual void ParseParam(const char* pszParam, bool bFlag, bool bLast);

    // Whether text (after the leading character) names one of the switches above, in the
    // letter case that switch accepts.
    static bool IsSwitch(const std::string& text);

    bool m_bShowSplash = true;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    std::string m_strPrinterName;
    std::string m_strDriverName;
    std::string m_strPortName;
    // Whether the user, rather than another program, is taken to be in control of this run;
    // "dde", "Embedding" and "Automation" clear it. It changes nothing visible here.
    bool m_bUserCtrl = true;

private:
    void ParseSwitch(const std::string& text);
    void ParseParameter(const std::string& text);
    void ParseLast();
};

// Fills the record from the program's arguments (without the program name). An argument that
// starts with '-' is a switch. One that starts with '/' is a switch only when the rest names
// a switch; otherwise it is a path, so that absolute paths can be given. Everything else is
// a parameter.
void ParseCommandLineArgs(CCommandLineInfo& info, const std::vector<std::string>& args);
