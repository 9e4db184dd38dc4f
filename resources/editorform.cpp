#include "resources/editorform.h"

#include "resources/formcontrolids.h"

#include "platform/windows/wnd.h"

namespace {

using Kind = DialogControlKind;
using namespace FormControl;

// Control style bits of the form, by control family.
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD Tab = WS_TABSTOP;
constexpr DWORD Group = WS_GROUP;
constexpr DWORD ButtonAutoRadio = 0x0009;
constexpr DWORD ButtonGroupBox = 0x0007;
constexpr DWORD ButtonDefault = 0x0001;
constexpr DWORD ButtonOwnerDraw = 0x000B;
constexpr DWORD ButtonBitmap = 0x0080;
constexpr DWORD ListNotify = 0x0001;
constexpr DWORD ListOwnerDrawFixed = 0x0010;
constexpr DWORD ListHasStrings = 0x0040;
constexpr DWORD ListNoIntegralHeight = 0x0100;
constexpr DWORD ListBoxStyle
    = ListOwnerDrawFixed | ListHasStrings | ListNotify | ListNoIntegralHeight | WS_VSCROLL | WS_BORDER;
constexpr DWORD ReportView = 0x0001;
constexpr DWORD ReportShowSelectionAlways = 0x0008;
constexpr DWORD ReportEditLabels = 0x0200;
constexpr DWORD EditAutoHScroll = 0x0080;
constexpr DWORD UpDownSetBuddyInt = 0x0002;
constexpr DWORD UpDownAlignRight = 0x0004;
constexpr DWORD UpDownAutoBuddy = 0x0010;
constexpr DWORD UpDownArrowKeys = 0x0020;
constexpr DWORD UpDownNoThousands = 0x0080;

} // namespace

const DialogTemplate& EditorFormTemplate()
{
    static const DialogTemplate form {
        328,
        249,
        "MS Sans Serif",
        8,
        {
            {PlotTypeGroup, Kind::GroupBox, "Plot Type", Child | ButtonGroupBox, 7, 6, 130, 25},
            {Radio2DPlot, Kind::AutoRadioButton, "&2d plot", Child | ButtonAutoRadio | Group, 14, 18, 33, 10},
            {Radio3DPlot, Kind::AutoRadioButton, "&3d plot", Child | ButtonAutoRadio, 52, 17, 36, 11},
            {ProfileBuilderGroup, Kind::GroupBox, "Profile Builder", Child | ButtonGroupBox, 7, 41, 130, 185},
            {VariablesList, Kind::ListBox, "", Child | Tab | ListBoxStyle, 13, 150, 118, 69},
            {VariablesStrip, Kind::OwnerDrawButton, " Profile Variables", Child | Tab | ButtonOwnerDraw, 14, 138, 117,
                13, WS_EX_STATICEDGE},
            {ProfilesList, Kind::ListView, "List2",
                Child | Tab | WS_BORDER | ReportView | ReportShowSelectionAlways | ReportEditLabels, 14, 65, 117, 67},
            {ToXAxis, Kind::PushButton, ">> &X Axis", Child | Tab, 144, 104, 40, 12},
            {ToYAxis, Kind::PushButton, ">> &Y Axis", Child | Tab, 144, 120, 40, 12},
            {ToPlot, Kind::PushButton, ">> P&lot", Child | Tab, 143, 76, 41, 12},
            {Tabs, Kind::TabControl, "Tab1", Child, 191, 22, 128, 199},
            {XAxisLabel, Kind::Static, "X - axis profile (optional)", Child | Group, 207, 133, 95, 8},
            {XAxisField, Kind::Edit, "", Child | Tab | WS_BORDER | ES_READONLY | EditAutoHScroll, 206, 142, 85, 12},
            {YAxisGroup, Kind::GroupBox, "Y - axis profile", Child | ButtonGroupBox, 206, 161, 98, 56},
            {RadioYAxisTime, Kind::AutoRadioButton, "&Time", Child | ButtonAutoRadio | Group, 213, 173, 84, 10},
            {RadioYAxisProfile, Kind::AutoRadioButton, "&Profile (optional)", Child | ButtonAutoRadio, 213, 188, 89,
                10},
            {YAxisField, Kind::Edit, "", Child | Tab | WS_BORDER | ES_READONLY | EditAutoHScroll, 213, 199, 73, 12},
            {RadioContinuousUpdate, Kind::AutoRadioButton, "Continuous &update", Child | ButtonAutoRadio | Group, 206,
                49, 81, 12},
            {RadioSpecifyTimes, Kind::AutoRadioButton, "Specify times", Child | ButtonAutoRadio, 206, 64, 81, 12},
            {RadioSpecifyInterval, Kind::AutoRadioButton, "Specify &interval", Child | ButtonAutoRadio, 206, 145, 81,
                12},
            {StartTimeLabel, Kind::Static, "&Start time:", Child | Group, 206, 163, 42, 14},
            {IntervalLabel, Kind::Static, "Time inter&val:", Child | Group, 206, 178, 42, 11},
            {StartTimeField, Kind::Edit, "", Child | Tab | WS_BORDER | EditAutoHScroll, 251, 160, 52, 12},
            {IntervalField, Kind::Edit, "", Child | Tab | WS_BORDER | EditAutoHScroll, 251, 176, 52, 12},
            {ProfilesStrip, Kind::OwnerDrawButton, " Profiles", Child | Tab | ButtonOwnerDraw, 14, 53, 118, 13,
                WS_EX_STATICEDGE},
            {TimesStrip, Kind::OwnerDrawButton, "", Child | Tab | ButtonOwnerDraw, 206, 77, 98, 12, WS_EX_STATICEDGE},
            {TimesList, Kind::ListView, "List1", Child | Tab | WS_BORDER | ReportView | ReportEditLabels, 206, 90, 98,
                47},
            {MaxTimePointsLabel, Kind::Static, "&Max. time points:", Child | Group | WS_DISABLED, 206, 192, 58, 11},
            {MaxTimePointsField, Kind::Edit, "", Child | Tab | WS_BORDER | ES_NUMBER | EditAutoHScroll | WS_DISABLED,
                266, 191, 37, 12},
            {MaxTimePointsUpDown, Kind::UpDown, "Spin1",
                Child | WS_DISABLED | UpDownSetBuddyInt | UpDownAlignRight | UpDownAutoBuddy | UpDownArrowKeys
                    | UpDownNoThousands,
                298, 191, 8, 14},
            {Apply, Kind::PushButton, "&Apply", Child | Tab, 236, 229, 39, 14},
            {FindVariables, Kind::PushButton, "&Find Variables...", Child | Tab, 39, 230, 58, 14},
            {Cancel, Kind::PushButton, "&Cancel", Child | Tab, 280, 229, 39, 14},
            {Ok, Kind::DefPushButton, "OK", Child | Tab | ButtonDefault, 191, 229, 39, 14},
            {PlotList, Kind::ListBox, "", Child | Tab | ListBoxStyle, 206, 60, 98, 69},
            {PlotStrip, Kind::OwnerDrawButton, "Profiles to plot", Child | Tab | ButtonOwnerDraw, 206, 46, 98, 14,
                WS_EX_STATICEDGE},
            {ClearXAxis, Kind::BitmapButton, "", Child | Tab | ButtonBitmap, 292, 142, 12, 13},
            {ClearYAxis, Kind::BitmapButton, "", Child | Tab | ButtonBitmap, 287, 199, 12, 13},
        },
    };
    return form;
}
