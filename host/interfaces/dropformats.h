#pragma once

// The clipboard formats in which the host and the editor hand each other
// variables and profiles, by name (registering a name gives its id), and the
// largest block either side reads from a drop or the clipboard.

#include <cstddef>

// The variable paths of a drag: a context line, then per path CR LF and the path, and a NUL.
inline constexpr char VariablePathFormatName[] = "Lumen Variable Path Format";
// The name of a profile dragged out of the editor, and a NUL.
inline constexpr char ProfileVariableNameFormatName[] = "Profile Variable Name Format";

// Far more than a drag of every variable of a large model block, far less
// than would stall the reader: a larger block is refused unread.
inline constexpr std::size_t MaxDropPayloadBytes = std::size_t {4} << 20;
