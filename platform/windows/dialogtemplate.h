#pragma once

// Dialog templates: a table of controls positioned in dialog units, turned into
// Qt widgets. Dialog units become pixels through the form font's average
// character width and height, as the classic platform computes them.

#include "platform/core/types.h"

#include <vector>

class QFont;
class QWidget;

enum class DialogControlKind {
    GroupBox,
    AutoRadioButton,
    PushButton,
    DefPushButton,
    OwnerDrawButton,
    BitmapButton,
    ListBox,
    ListView,
    Edit,
    Static,
    TabControl,
    UpDown,
};

struct DialogControlTemplate {
    int id;
    DialogControlKind kind;
    const char* caption;
    DWORD style; // WS_* and the control's own style bits
    int x;
    int y;
    int cx;
    int cy;
    DWORD exStyle = 0;
};

struct DialogTemplate {
    int cx;
    int cy;
    const char* fontName;
    int pointSize;
    std::vector<DialogControlTemplate> controls;
};

// Edit and button style bits read when controls are made.
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_NUMBER = 0x2000;

// Base units of a font: average character width and character height in pixels.
struct DialogBaseUnits {
    int x;
    int y;
};
DialogBaseUnits DialogBaseUnitsOf(const QFont& font);
QFont DialogFont(const DialogTemplate& dialog);
// Dialog units to pixels: x * baseX / 4 and y * baseY / 8, rounded.
RECT DialogUnitsToPixels(const RECT& dialogUnits, DialogBaseUnits base);

// Makes the Qt widget for one kind of control; a control family may register
// its own (the list box, say), else a standard Qt widget is used. `placed`, when
// given, runs once the control has its id, styles and geometry (an up-down
// control takes its buddy then).
using DialogControlFactory = QWidget* (*)(QWidget* parent, const DialogControlTemplate& control);
using DialogControlPlaced = void (*)(QWidget* widget, const DialogControlTemplate& control);
void RegisterDialogControlFactory(
    DialogControlKind kind, DialogControlFactory factory, DialogControlPlaced placed = nullptr);

// Creates every control of the template as a child of `form`, in template
// order (which is also the tab order), each with its control id, styles and
// geometry, and sets the form's font. Button clicks reach the form's window
// object as WM_COMMAND with BN_CLICKED. Radio buttons are grouped from one
// WS_GROUP control to the next. Returns the form size in pixels.
SIZE CreateDialogControls(const DialogTemplate& dialog, QWidget* form);
