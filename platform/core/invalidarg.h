#pragma once

#include <stdexcept>
#include <string>

// The framework's invalid-argument error: raised for an index out of range and
// other bad arguments, so that the operation ends and the caller can report it.
class CInvalidArgException : public std::invalid_argument {
public:
    explicit CInvalidArgException(const std::string& what) : std::invalid_argument(what) { }
};

[[noreturn]] void AfxThrowInvalidArgException(const char* what);
