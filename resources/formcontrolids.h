#pragma once

// The controls of the editor's form (dialog template 101) by id: the template
// is built from these names and the view reaches its controls by them. Also the
// lists of ids that the enable and show rules apply as a whole (each ends with 0).

#include "platform/core/types.h"

namespace FormControl {

constexpr UINT Radio2DPlot = 1001;
constexpr UINT Radio3DPlot = 1002;
constexpr UINT ProfileBuilderGroup = 1003;
constexpr UINT VariablesList = 1004;
constexpr UINT VariablesStrip = 1005;
constexpr UINT ProfilesList = 1006;
constexpr UINT ProfilesStrip = 1007;
constexpr UINT ToXAxis = 1008;
constexpr UINT ToYAxis = 1009;
constexpr UINT ToPlot = 1010;
constexpr UINT Tabs = 1012;
constexpr UINT XAxisLabel = 1013;
constexpr UINT XAxisField = 1014;
constexpr UINT PlotList = 1016;
constexpr UINT PlotStrip = 1018;
constexpr UINT RadioYAxisTime = 1021;
constexpr UINT RadioYAxisProfile = 1022;
constexpr UINT YAxisField = 1023;
constexpr UINT RadioContinuousUpdate = 1024;
constexpr UINT RadioSpecifyTimes = 1025;
constexpr UINT RadioSpecifyInterval = 1026;
constexpr UINT StartTimeLabel = 1027;
constexpr UINT StartTimeField = 1028;
constexpr UINT IntervalLabel = 1030;
constexpr UINT IntervalField = 1031;
constexpr UINT YAxisGroup = 1032;
constexpr UINT TimesStrip = 1036;
constexpr UINT TimesList = 1038;
constexpr UINT MaxTimePointsField = 1039;
constexpr UINT MaxTimePointsLabel = 1040;
constexpr UINT MaxTimePointsUpDown = 1041;
constexpr UINT Apply = 1042;
constexpr UINT FindVariables = 1043;
constexpr UINT PlotTypeGroup = 1044;
constexpr UINT Cancel = 1045;
constexpr UINT Ok = 1047;
constexpr UINT ClearXAxis = 1048;
constexpr UINT ClearYAxis = 1049;

} // namespace FormControl

namespace FormControlList {

using namespace FormControl;

inline constexpr UINT ProfilesPageIds[] = {XAxisLabel, XAxisField, PlotList, PlotStrip, ClearXAxis, 0};
inline constexpr UINT YAxisIds[] = {YAxisField, YAxisGroup, RadioYAxisTime, RadioYAxisProfile, ClearYAxis, 0};
inline constexpr UINT TimePageIds[]
    = {RadioContinuousUpdate, RadioSpecifyTimes, RadioSpecifyInterval, StartTimeLabel, StartTimeField, TimesList,
        IntervalLabel, IntervalField, TimesStrip, MaxTimePointsLabel, MaxTimePointsField, MaxTimePointsUpDown, 0};
inline constexpr UINT TimesListIds[] = {TimesList, TimesStrip, 0};
inline constexpr UINT IntervalIds[] = {StartTimeLabel, StartTimeField, IntervalLabel, IntervalField, MaxTimePointsLabel,
    MaxTimePointsField, MaxTimePointsUpDown, 0};
inline constexpr UINT MaxTimePointsIds[] = {MaxTimePointsLabel, MaxTimePointsField, MaxTimePointsUpDown, 0};
inline constexpr UINT YAxisProfileIds[] = {YAxisField, YAxisGroup, ClearYAxis, ToYAxis, 0};
inline constexpr UINT DefinitionRadioIds[] = {Radio2DPlot, Radio3DPlot, RadioYAxisTime, RadioYAxisProfile,
    RadioContinuousUpdate, RadioSpecifyTimes, RadioSpecifyInterval, 0};

} // namespace FormControlList

// The title of every message box the editor shows.
inline constexpr const char* MessageBoxTitle = "Profile Editor";
