#include "platform/windows/dialogtemplate.h"

#include "platform/windows/wnd.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstring>
#include <vector>

#include <cmath>
#include <map>

namespace {

struct ControlFamily {
    DialogControlFactory create;
    DialogControlPlaced placed;
};

std::map<DialogControlKind, ControlFamily>& Factories()
{
    static std::map<DialogControlKind, ControlFamily> factories;
    return factories;
}

int MulDiv(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

QWidget* CreateStandardControl(QWidget* parent, const DialogControlTemplate& control)
{
    const QString caption = QString::fromLocal8Bit(control.caption ? control.caption : "");
    switch (control.kind) {
    case DialogControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case DialogControlKind::PushButton:
    case DialogControlKind::OwnerDrawButton:
    case DialogControlKind::BitmapButton:
        return new QPushButton(caption, parent);
    case DialogControlKind::DefPushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setDefault(true);
        return button;
    }
    case DialogControlKind::ListBox:
        return new QListWidget(parent);
    case DialogControlKind::Static:
        return new QLabel(caption, parent);
    default:
        // The other kinds register their own widgets with the control family.
        break;
    }
    return new QWidget(parent);
}

} // namespace

DialogBaseUnits DialogBaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The classic average: the width of the 52 letters over 26, rounded up by half.
    const int letters
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogBaseUnits {(letters / 26 + 1) / 2, metrics.height()};
}

QFont DialogFont(const DialogTemplate& dialog)
{
    QFont font(QString::fromLatin1(dialog.fontName ? dialog.fontName : ""), dialog.pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

RECT DialogUnitsToPixels(const RECT& du, DialogBaseUnits base)
{
    return RECT {MulDiv(du.left, base.x, 4), MulDiv(du.top, base.y, 8), MulDiv(du.right, base.x, 4),
        MulDiv(du.bottom, base.y, 8)};
}

void RegisterDialogControlFactory(DialogControlKind kind, DialogControlFactory factory, DialogControlPlaced placed)
{
    Factories()[kind] = ControlFamily {factory, placed};
}

SIZE CreateDialogControls(const DialogTemplate& dialog, QWidget* form)
{
    const QFont font = DialogFont(dialog);
    form->setFont(font);
    const DialogBaseUnits base = DialogBaseUnitsOf(font);
    QButtonGroup* radioGroup = nullptr;
    // A static text whose caption has a mnemonic hands the focus to the next
    // tab stop in template order; without a buddy a label shows the "&".
    std::vector<QLabel*> labelsAwaitingBuddy;

    for (const DialogControlTemplate& control : dialog.controls) {
        const auto family = Factories().find(control.kind);
        const bool registered = family != Factories().end();
        QWidget* widget = registered ? family->second.create(form, control) : CreateStandardControl(form, control);
        const RECT pixels
            = DialogUnitsToPixels(RECT {control.x, control.y, control.x + control.cx, control.y + control.cy}, base);
        widget->setGeometry(pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top);
        CWnd::SetDlgCtrlID(widget, control.id);
        CWnd::InitStyle(widget, control.style, control.exStyle);
        widget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        widget->setEnabled(!(control.style & WS_DISABLED));
        widget->setVisible(control.style & WS_VISIBLE);

        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            // Radio sets are delimited by the group style, not by the parent.
            // The set only names the members: an auto radio unchecks the others
            // when clicked, and the program may leave none checked.
            if (!radioGroup || (control.style & WS_GROUP)) {
                radioGroup = new QButtonGroup(form);
                radioGroup->setExclusive(false);
            }
            radioGroup->addButton(radio);
        } else if (control.style & WS_GROUP) {
            radioGroup = nullptr;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int id = control.id;
            QObject::connect(button, &QAbstractButton::clicked, form, [form, button, id] {
                ::SendMessage(
                    form, WM_COMMAND, MAKEWPARAM(id, static_cast<int>(BN_CLICKED)), reinterpret_cast<LPARAM>(button));
            });
        }
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && control.caption && std::strchr(control.caption, '&')) {
            labelsAwaitingBuddy.push_back(label);
        } else if (control.style & WS_TABSTOP) {
            for (QLabel* waiting : labelsAwaitingBuddy)
                waiting->setBuddy(widget);
            labelsAwaitingBuddy.clear();
        }
        if (registered && family->second.placed)
            family->second.placed(widget, control);
    }
    const RECT size = DialogUnitsToPixels(RECT {0, 0, dialog.cx, dialog.cy}, base);
    return SIZE {size.right, size.bottom};
}
