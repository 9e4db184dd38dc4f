// The plot-definition reader and the plot checks. The first byte chooses the
// form of the rest: JSON text as the model file holds it, or a definition built
// directly from the bytes (arrays that disagree, any counts, any text), as a
// host object may hold it. Either way a definition that is read writes out as
// JSON that reads back as the same definition, and the checks give their
// verdict without failing.

#include "hostlib/plotdefinitionjson.h"
#include "workbench/model/plotcheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

const HostModel& Registry()
{
    static const HostModel registry = [] {
        HostModel model;
        model.AddBlock("B");
        for (const HostModel::Variable& variable :
            {HostModel::Variable {"T", 0, {5}}, HostModel::Variable {"X", 0, {5, 3}}, HostModel::Variable {"S", 0, {}}})
            model.AddVariable("B", variable);
        return model;
    }();
    return registry;
}

// ASCII text, control characters and NUL included: the file's text is UTF-8,
// so any other byte would not survive the trip through it unchanged.
CString Text(FuzzedDataProvider& input)
{
    std::string text = input.ConsumeRandomLengthString(24);
    for (char& ch : text)
        ch = static_cast<char>(ch & 0x7F);
    return CString(text);
}

CStringArray Texts(FuzzedDataProvider& input)
{
    CStringArray texts;
    for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 6); n > 0; --n)
        texts.Add(Text(input));
    return texts;
}

CUIntArray Numbers(FuzzedDataProvider& input)
{
    CUIntArray numbers;
    for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 6); n > 0; --n)
        numbers.Add(input.ConsumeBool() ? input.ConsumeIntegralInRange<UINT>(0, 4) : input.ConsumeIntegral<UINT>());
    return numbers;
}

void Group(
    FuzzedDataProvider& input, CStringArray& names, CUIntArray& dimensions, CUIntArray& counts, CStringArray& variables)
{
    names = Texts(input);
    dimensions = Numbers(input);
    counts = Numbers(input);
    variables = Texts(input);
}

PlotDefinition Built(FuzzedDataProvider& input)
{
    PlotDefinition d;
    d.is3DPlot = input.ConsumeIntegral<int32_t>();
    d.yAxisIsTime = input.ConsumeIntegral<int32_t>();
    d.xAxisName = Text(input);
    d.yAxisName = Text(input);
    d.xAxisVariables = Texts(input);
    d.yAxisVariables = Texts(input);
    Group(input, d.plottedNames, d.plottedDimensions, d.plottedCounts, d.plottedVariables);
    Group(input, d.unassignedNames, d.unassignedDimensions, d.unassignedCounts, d.unassignedVariables);
    d.maxTimePoints = input.ConsumeIntegral<int32_t>();
    d.timeMode = input.ConsumeIntegralInRange<int32_t>(-1, 3);
    d.timeEntries = Texts(input);
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    PlotDefinition definition;
    QString error;
    if (data[0] & 1) {
        FuzzedDataProvider input(data + 1, size - 1);
        definition = Built(input);
    } else if (!PlotDefinitionFromJsonText(
                   QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)), definition,
                   error)) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    PlotDefinition reread;
    if (!PlotDefinitionFromJson(PlotDefinitionToJson(definition), reread, error) || reread != definition)
        std::abort();
    for (const PlotAccess access : {PlotAccess::Direct, PlotAccess::Host}) {
        const ModelPlot plot {"P", "B", "B.P", access, definition};
        PlotProblems(plot, Registry());
    }
    return 0;
}
