// The variable-path payload parser: any bytes are read or refused; the paths
// read, written out again, parse to themselves.

#include "host/services/variablepathparser.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The payload ends at its NUL, as it does on the clipboard.
    const std::string payload(reinterpret_cast<const char*>(data), size);
    CStringArray paths;
    const int count = LuParseVariablePaths(payload.c_str(), 1, nullptr, paths);
    if (count < 0) {
        if (!paths.IsEmpty())
            std::abort(); // a refused payload leaves no paths
        return 0;
    }
    if (count != paths.GetSize())
        std::abort();
    for (const CString& path : paths) {
        if (!LuIsTransportablePath(path))
            std::abort();
    }
    const CString written = LuBuildVariablePathPayload(paths);
    CStringArray reread;
    if (LuParseVariablePaths(written, 1, "Flowsheet", reread) != count)
        std::abort();
    for (int i = 0; i < count; ++i) {
        if (reread[i] != paths[i])
            std::abort();
    }
    return 0;
}
