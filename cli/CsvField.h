#pragma once

#include <string>

// A CSV field: as it is, or in double quotes (quotes doubled) when it holds a comma, a
// quote or a line break.
inline std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}
