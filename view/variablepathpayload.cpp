#include "view/variablepathpayload.h"

#include "host/services/variablepathparser.h"

#include <cstring>

namespace {

constexpr int VariablePathListKind = 1;

// Whether `path` begins with `prefix`, case ignored, and goes on past it.
bool BeginsWithPrefix(const CString& path, const CString& prefix)
{
    return !prefix.IsEmpty() && path.GetLength() > prefix.GetLength()
        && path.Left(prefix.GetLength()).CompareNoCase(prefix) == 0;
}

// The owner prefix and the separator after it taken off the front.
CString AfterPrefix(const CString& path, const CString& prefix)
{
    return BeginsWithPrefix(path, prefix) ? path.Mid(prefix.GetLength() + 1) : path;
}

} // namespace

std::string VariablePathPayloadBytes(const CStringArray& paths)
{
    std::string bytes = VariablePathContextLine;
    for (const CString& path : paths) {
        bytes += "\r\n";
        bytes += path.str();
    }
    bytes += '\0';
    return bytes;
}

std::string ProfileNamePayloadBytes(const CString& name)
{
    std::string bytes = name.str();
    bytes += '\0';
    return bytes;
}

bool ReadVariablePathPayload(const void* bytes, size_t size, CStringArray& paths, CString& reason)
{
    paths.RemoveAll();
    if (!bytes || size == 0) {
        reason = "the payload is empty";
        return false;
    }
    if (size > MaxDropPayloadBytes) {
        reason.Format("the payload has %zu bytes, more than the %zu a drop reads", size, MaxDropPayloadBytes);
        return false;
    }
    const auto* begin = static_cast<const char*>(bytes);
    const auto* nul = static_cast<const char*>(std::memchr(begin, '\0', size));
    const size_t length = nul ? static_cast<size_t>(nul - begin) : size;
    for (size_t i = length; i < size; ++i) {
        if (begin[i] != '\0') {
            reason = "the payload holds binary data after its text";
            return false;
        }
    }
    // The parser reads up to a NUL: a block without one is copied first.
    const std::string text(begin, length);
    CStringArray parsed;
    const int status = LuParseVariablePaths(text.c_str(), VariablePathListKind, "", parsed);
    if (status < 0) {
        reason.Format("the host's parser refused the payload (status %d)", status);
        return false;
    }
    paths = parsed;
    return true;
}

CString OwnerPrefixOf(const CString& contextName)
{
    const int dot = contextName.Find('.');
    return dot < 0 ? CString() : contextName.Left(dot);
}

CString WithoutOwnerPrefix(const CString& path, const CString& prefix)
{
    if (!BeginsWithPrefix(path, prefix))
        return path;
    CString rest = AfterPrefix(path, prefix);
    if (!rest.IsEmpty() && rest.GetAt(0) == '.')
        rest = rest.Mid(1);
    return rest;
}

WideningCandidate WideningCandidateOf(const CString& path, const CString& ownerPrefix)
{
    CString trimmed = path;
    trimmed.TrimRight();
    const int open = trimmed.ReverseFind('(');
    if (trimmed.IsEmpty() || trimmed.GetAt(trimmed.GetLength() - 1) != ')' || open < 0)
        return {};
    WideningCandidate candidate;
    candidate.variable = AfterPrefix(trimmed.Left(open), ownerPrefix);
    candidate.singleSubscript = path.Find(',', open) < 0;
    return candidate;
}
