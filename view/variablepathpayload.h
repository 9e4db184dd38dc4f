#pragma once

// The variable paths that travel in drags and on the clipboard under "Lumen
// Variable Path Format", as the editor writes and reads them, and the rules
// that fit a dropped path to the form (owner prefix, whole array).
//
// Written: the context line "Flowsheet", then per path CR LF and the path, and
// one NUL ("Flowsheet\r\nB1.T\0"; "Flowsheet\0" for no paths).
// Read: a block from another program, trusted for nothing: at most its size is
// read, and text that is too long, binary or malformed is refused.

#include "host/interfaces/dropformats.h"
#include "platform/core/collections.h"

#include <string>

// The context line the editor writes.
inline constexpr char VariablePathContextLine[] = "Flowsheet";

// The bytes of the payload for `paths`, the terminating NUL included.
std::string VariablePathPayloadBytes(const CStringArray& paths);
// The bytes of a profile name payload: the name and one NUL.
std::string ProfileNamePayloadBytes(const CString& name);

// Reads the `size` bytes at `bytes` into `paths` through the host's parser.
// The text ends at the first NUL or at the block's end; anything but NUL
// bytes after it marks a binary block. False, with the reason in `reason`
// and `paths` empty, for an oversized, binary or malformed payload.
bool ReadVariablePathPayload(const void* bytes, size_t size, CStringArray& paths, CString& reason);

// The owner prefix of a context name: its part before the first '.', empty
// when it has none.
CString OwnerPrefixOf(const CString& contextName);

// `path` without the owner prefix: when the path is longer than the prefix
// and begins with it (case ignored), the prefix and the separator after it go,
// then a '.' that begins what is left. Other paths come back unchanged.
CString WithoutOwnerPrefix(const CString& path, const CString& prefix);

// What a single dropped array element could be widened to: the variable (the
// path without its last subscript and without the owner prefix), and whether
// the element has one subscript. Empty `variable` when the path does not end
// with a parenthesised subscript.
struct WideningCandidate {
    CString variable;
    bool singleSubscript = false;
};
WideningCandidate WideningCandidateOf(const CString& path, const CString& ownerPrefix);
