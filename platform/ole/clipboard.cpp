#include "platform/ole/clipboard.h"

#include "platform/core/logging.h"
#include "platform/core/registry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

namespace {

struct OpenState {
    bool open = false;
    bool changed = false;
    // What the clipboard will hold when it is closed.
    std::unique_ptr<QMimeData> contents;
};

OpenState& State()
{
    static OpenState state;
    return state;
}

// A copy of what this program put on the clipboard; what another program
// owns is not copied (it would be read over the display, format by format)
// and is replaced on close, as a clipboard has only one owner.
std::unique_ptr<QMimeData> CopyOfOwnContents()
{
    auto copy = std::make_unique<QMimeData>();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !clipboard->ownsClipboard())
        return copy;
    if (const QMimeData* current = clipboard->mimeData()) {
        for (const QString& format : current->formats())
            copy->setData(format, current->data(format));
    }
    return copy;
}

} // namespace

bool OpenClipboard(HWND /*owner*/)
{
    OpenState& state = State();
    if (state.open) {
        qCWarning(lcPlatformOle, "OpenClipboard: the clipboard is open already.");
        return false;
    }
    state.open = true;
    state.changed = false;
    state.contents = CopyOfOwnContents();
    return true;
}

bool EmptyClipboard()
{
    OpenState& state = State();
    if (!state.open)
        return false;
    state.contents = std::make_unique<QMimeData>();
    state.changed = true;
    return true;
}

HGLOBAL SetClipboardData(UINT format, HGLOBAL block)
{
    OpenState& state = State();
    const QString type = ClipboardFormatMimeType(format);
    if (!state.open || type.isEmpty() || !block) {
        qCWarning(lcPlatformOle, "SetClipboardData: the clipboard is not open or format %u is not registered.", format);
        return nullptr;
    }
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    state.contents->setData(type, QByteArray(bytes, static_cast<qsizetype>(GlobalSize(block))));
    GlobalUnlock(block);
    GlobalFree(block);
    state.changed = true;
    return block;
}

bool CloseClipboard()
{
    OpenState& state = State();
    if (!state.open)
        return false;
    state.open = false;
    if (!state.changed)
        return true;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        qCWarning(lcPlatformOle, "CloseClipboard: there is no system clipboard; nothing was placed.");
        return false;
    }
    if (state.contents->formats().isEmpty())
        clipboard->clear();
    else
        clipboard->setMimeData(state.contents.release());
    state.contents.reset();
    return true;
}
