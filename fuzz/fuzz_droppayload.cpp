// A dropped variable-path block from another program: any bytes of any size
// are read or refused without reading past the block; what is read, written
// out again, reads back the same; the form's path rules take any path.

#include "host/services/variablepathparser.h"
#include "view/variablepathpayload.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that a read past the block is caught.
    auto block = std::make_unique<uint8_t[]>(size ? size : 1);
    std::copy(data, data + size, block.get());
    CStringArray paths;
    CString reason;
    if (!ReadVariablePathPayload(block.get(), size, paths, reason)) {
        if (!paths.IsEmpty() || reason.IsEmpty())
            std::abort(); // a refusal says why and leaves no paths
        return 0;
    }
    for (const CString& path : paths) {
        if (!LuIsTransportablePath(path))
            std::abort();
        const CString prefix = OwnerPrefixOf(path);
        const CString stripped = WithoutOwnerPrefix(path, prefix);
        if (stripped.GetLength() > path.GetLength())
            std::abort();
        const WideningCandidate candidate = WideningCandidateOf(path, prefix);
        if (candidate.variable.GetLength() > path.GetLength())
            std::abort();
    }
    const std::string written = VariablePathPayloadBytes(paths);
    CStringArray reread;
    if (!ReadVariablePathPayload(written.data(), written.size(), reread, reason) || !(reread == paths))
        std::abort();
    return 0;
}
