#pragma once

// What the parts of the editor's form ask of the view that holds them: the
// view owns the lifecycle (closing, Cancel), the page switch and the ending of
// open in-place edits across all parts.

class IFormHost {
public:
    virtual ~IFormHost() = default;
    // Ends the open in-place edit of every list, committing its text.
    virtual void EndOpenEdits() = 0;
    // True once the editor has begun to close: checks then stay silent.
    virtual bool IsClosing() const = 0;
    // Runs Cancel: the host hears of the closing and the frame closes.
    virtual void CancelEditing() = 0;
    // The plot type changed: the profiles page shows the controls it allows.
    virtual void PlotTypeChanged() = 0;
};
