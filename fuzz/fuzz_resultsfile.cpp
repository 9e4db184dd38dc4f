// The results-file reader: any bytes are read or refused with a message that
// names the line and column; what is read holds together: one value per
// element given and time, times that increase, every table's variable in the
// blocks, and no more memory for the values than 1.3 times their count.

#include "workbench/model/resultsfile.h"

#include <QBuffer>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer device;
    device.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    device.open(QIODevice::ReadOnly);
    ResultsData results;
    QString error;
    if (!ReadResults(device, CString("fuzz"), results, error)) {
        if (!error.startsWith(QStringLiteral("line ")))
            std::abort(); // a refusal always says where
        return 0;
    }
    for (const GivenValues& table : results.values) {
        const std::vector<double>& times = table.Times();
        const auto match = results.blocks.FindVariable(table.variable);
        bool sound = match && !times.empty() && table.width > 0 && table.values.size() == times.size() * table.width
            && static_cast<double>(table.values.capacity()) <= 1.3 * static_cast<double>(table.values.size()) + 1;
        for (size_t i = 1; sound && i < times.size(); ++i)
            sound = times[i] > times[i - 1];
        if (!sound) {
            std::fprintf(stderr, "the table of %s does not hold together\n", table.variable.str().c_str());
            std::abort();
        }
    }
    return 0;
}
