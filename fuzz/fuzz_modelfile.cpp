// The model-file reader: any bytes are read or refused with a message; what
// the direct reading of the text takes, reading it as one JSON document takes
// too, as the same model; a model that is read writes out as a file that
// reads back as the same model.

#include "workbench/model/modelfile.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    WorkbenchModel model;
    QString error;
    if (!ReadModelFile(text, model, error)) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    WorkbenchModel whole;
    if (!ReadModelFileAsOneDocument(text, whole, error) || whole != model) {
        std::fprintf(stderr, "read directly but not as one document: %s\n", qPrintable(error));
        std::abort();
    }
    const QByteArray written = WriteModelFile(model);
    WorkbenchModel reread;
    if (!ReadModelFile(written, reread, error) || reread != model) {
        std::fprintf(stderr, "the written model does not read back the same: %s\n", qPrintable(error));
        std::abort();
    }
    return 0;
}
