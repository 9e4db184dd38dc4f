#pragma once

// An exported utility class of the module, without data. Its two assignment
// operators are part of the module's exports and change nothing.

#define PE_EXPORT __attribute__((visibility("default")))

class PE_EXPORT CSUGeneralUtil {
public:
    CSUGeneralUtil() = default;
    CSUGeneralUtil(const CSUGeneralUtil&) = default;
    CSUGeneralUtil(CSUGeneralUtil&&) = default;
    ~CSUGeneralUtil() = default;
    CSUGeneralUtil& operator=(const CSUGeneralUtil& other);
    CSUGeneralUtil& operator=(CSUGeneralUtil&& other);
};
