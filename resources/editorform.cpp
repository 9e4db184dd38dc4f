#include "resources/editorform.h"

#include "platform/windows/wnd.h"

namespace {

using Kind = DialogControlKind;

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
            {1044, Kind::GroupBox, "Plot Type", Child | ButtonGroupBox, 7, 6, 130, 25},
            {1001, Kind::AutoRadioButton, "&2d plot", Child | ButtonAutoRadio | Group, 14, 18, 33, 10},
            {1002, Kind::AutoRadioButton, "&3d plot", Child | ButtonAutoRadio, 52, 17, 36, 11},
            {1003, Kind::GroupBox, "Profile Builder", Child | ButtonGroupBox, 7, 41, 130, 185},
            {1004, Kind::ListBox, "", Child | Tab | ListBoxStyle, 13, 150, 118, 69},
            {1005, Kind::OwnerDrawButton, " Profile Variables", Child | Tab | ButtonOwnerDraw, 14, 138, 117, 13,
                WS_EX_STATICEDGE},
            {1006, Kind::ListView, "List2",
                Child | Tab | WS_BORDER | ReportView | ReportShowSelectionAlways | ReportEditLabels, 14, 65, 117, 67},
            {1008, Kind::PushButton, ">> &X Axis", Child | Tab, 144, 104, 40, 12},
            {1009, Kind::PushButton, ">> &Y Axis", Child | Tab, 144, 120, 40, 12},
            {1010, Kind::PushButton, ">> P&lot", Child | Tab, 143, 76, 41, 12},
            {1012, Kind::TabControl, "Tab1", Child, 191, 22, 128, 199},
            {1013, Kind::Static, "X - axis profile (optional)", Child | Group, 207, 133, 95, 8},
            {1014, Kind::Edit, "", Child | Tab | WS_BORDER | ES_READONLY | EditAutoHScroll, 206, 142, 85, 12},
            {1032, Kind::GroupBox, "Y - axis profile", Child | ButtonGroupBox, 206, 161, 98, 56},
            {1021, Kind::AutoRadioButton, "&Time", Child | ButtonAutoRadio | Group, 213, 173, 84, 10},
            {1022, Kind::AutoRadioButton, "&Profile (optional)", Child | ButtonAutoRadio, 213, 188, 89, 10},
            {1023, Kind::Edit, "", Child | Tab | WS_BORDER | ES_READONLY | EditAutoHScroll, 213, 199, 73, 12},
            {1024, Kind::AutoRadioButton, "Continuous &update", Child | ButtonAutoRadio | Group, 206, 49, 81, 12},
            {1025, Kind::AutoRadioButton, "Specify times", Child | ButtonAutoRadio, 206, 64, 81, 12},
            {1026, Kind::AutoRadioButton, "Specify &interval", Child | ButtonAutoRadio, 206, 145, 81, 12},
            {1027, Kind::Static, "&Start time:", Child | Group, 206, 163, 42, 14},
            {1030, Kind::Static, "Time inter&val:", Child | Group, 206, 178, 42, 11},
            {1028, Kind::Edit, "", Child | Tab | WS_BORDER | EditAutoHScroll, 251, 160, 52, 12},
            {1031, Kind::Edit, "", Child | Tab | WS_BORDER | EditAutoHScroll, 251, 176, 52, 12},
            {1007, Kind::OwnerDrawButton, " Profiles", Child | Tab | ButtonOwnerDraw, 14, 53, 118, 13,
                WS_EX_STATICEDGE},
            {1036, Kind::OwnerDrawButton, "", Child | Tab | ButtonOwnerDraw, 206, 77, 98, 12, WS_EX_STATICEDGE},
            {1038, Kind::ListView, "List1", Child | Tab | WS_BORDER | ReportView | ReportEditLabels, 206, 90, 98, 47},
            {1040, Kind::Static, "&Max. time points:", Child | Group | WS_DISABLED, 206, 192, 58, 11},
            {1039, Kind::Edit, "", Child | Tab | WS_BORDER | ES_NUMBER | EditAutoHScroll | WS_DISABLED, 266, 191, 37,
                12},
            {1041, Kind::UpDown, "Spin1",
                Child | WS_DISABLED | UpDownSetBuddyInt | UpDownAlignRight | UpDownAutoBuddy | UpDownArrowKeys
                    | UpDownNoThousands,
                298, 191, 8, 14},
            {1042, Kind::PushButton, "&Apply", Child | Tab, 236, 229, 39, 14},
            {1043, Kind::PushButton, "&Find Variables...", Child | Tab, 39, 230, 58, 14},
            {1045, Kind::PushButton, "&Cancel", Child | Tab, 280, 229, 39, 14},
            {1047, Kind::DefPushButton, "OK", Child | Tab | ButtonDefault, 191, 229, 39, 14},
            {1016, Kind::ListBox, "", Child | Tab | ListBoxStyle, 206, 60, 98, 69},
            {1018, Kind::OwnerDrawButton, "Profiles to plot", Child | Tab | ButtonOwnerDraw, 206, 46, 98, 14,
                WS_EX_STATICEDGE},
            {1048, Kind::BitmapButton, "", Child | Tab | ButtonBitmap, 292, 142, 12, 13},
            {1049, Kind::BitmapButton, "", Child | Tab | ButtonBitmap, 287, 199, 12, 13},
        },
    };
    return form;
}
