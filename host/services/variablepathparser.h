#pragma once

// The host's list of variable paths as it travels on the clipboard and in
// drags: a context line (the editor writes "Flowsheet"), then per path CR LF
// and the path, no CR LF after the last one, and a NUL at the end.
//   "Flowsheet\r\nB1.T\r\nB1.P" holds the paths B1.T and B1.P;
//   "Flowsheet" alone holds none.

#include "platform/core/collections.h"

// Negative results of LuParseVariablePaths.
constexpr int LuParseNullPayload = -1; // no payload at all
constexpr int LuParseEmptyPayload = -2; // the payload is the empty text
constexpr int LuParseNoContextLine = -3; // the payload starts with a line break
constexpr int LuParseWrongContext = -4; // the context line is not the one asked for
constexpr int LuParseEmptyPath = -5; // two line breaks in a row, or one at the end
constexpr int LuParseBadLineBreak = -6; // a CR without LF or an LF without CR
constexpr int LuParseControlCharacter = -7; // a tab, escape, DEL... inside a line

// Reads `payload` into `paths` (emptied first) and returns the number of paths.
// `flags` names the kind of list; the host knows one kind, variable paths (1),
// and reads every value the same way. A non-empty `context` must equal the
// payload's context line, ignoring case; an empty or null one accepts any.
// Paths are given exactly as written (no trimming). On a malformed payload the
// result is one of the negative values above and `paths` stays empty.
int LuParseVariablePaths(const char* payload, int flags, const char* context, CStringArray& paths);

// Writes `paths` in the layout above under the context line "Flowsheet". A path
// that is empty or holds a CR or LF cannot travel in this layout; the parser
// refuses a payload holding one.
CString LuBuildVariablePathPayload(const CStringArray& paths);

// True when `path` can travel in the payload: not empty, no control characters.
bool LuIsTransportablePath(const char* path);
