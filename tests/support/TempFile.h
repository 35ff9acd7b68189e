#pragma once

#include "WavBuilder.h"

#include <string>

// A fresh private folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Writes bytes to a file of that name in the folder and returns its path.
    std::string Write(const std::string& name, const Bytes& bytes) const;

private:
    std::string m_path;
};
