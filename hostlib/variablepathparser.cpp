#include "host/services/variablepathparser.h"

#include <strings.h>

#include <string>
#include <vector>

namespace {

constexpr const char* ContextLine = "Flowsheet";

bool IsControlCharacter(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

int LuParseVariablePaths(const char* payload, int flags, const char* context, CStringArray& paths)
{
    // One kind of list exists; every flag value reads it the same way.
    static_cast<void>(flags);
    paths.RemoveAll();
    if (!payload)
        return LuParseNullPayload;
    if (!*payload)
        return LuParseEmptyPayload;

    // Lines are gathered first so that a malformed payload leaves `paths` empty.
    std::vector<std::string> lines;
    const char* lineStart = payload;
    for (const char* p = payload;; ++p) {
        const char ch = *p;
        if (ch == '\0' || ch == '\r') {
            if (p == lineStart)
                return lines.empty() ? LuParseNoContextLine : LuParseEmptyPath;
            lines.emplace_back(lineStart, static_cast<size_t>(p - lineStart));
            if (ch == '\0')
                break;
            if (p[1] != '\n')
                return LuParseBadLineBreak;
            ++p;
            lineStart = p + 1;
        } else if (ch == '\n') {
            return LuParseBadLineBreak;
        } else if (IsControlCharacter(ch)) {
            return LuParseControlCharacter;
        }
    }

    if (context && *context && strcasecmp(lines.front().c_str(), context) != 0)
        return LuParseWrongContext;
    for (size_t i = 1; i < lines.size(); ++i)
        paths.Add(CString(lines[i]));
    return paths.GetSize();
}

CString LuBuildVariablePathPayload(const CStringArray& paths)
{
    std::string payload = ContextLine;
    for (const CString& path : paths) {
        payload += "\r\n";
        payload += path.str();
    }
    return CString(payload);
}

bool LuIsTransportablePath(const char* path)
{
    if (!path || !*path)
        return false;
    for (const char* p = path; *p; ++p) {
        if (IsControlCharacter(*p))
            return false;
    }
    return true;
}
