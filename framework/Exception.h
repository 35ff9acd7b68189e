#pragma once

#include <exception>

// Root of the framework's exceptions. The framework catches them at the level of the
// running command and reports them; the program's own code lets them pass.
class CException : public std::exception {
public:
    const char* what() const noexcept override { return "framework exception"; }
};
