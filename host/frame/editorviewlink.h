#pragma once

// What the frame forwards to the editor view inside it: the host's request to
// plot a copy of a profile, and its request to reload the definition.

class CSUPEProfile;

class IEditorViewLink {
public:
    virtual ~IEditorViewLink() = default;
    // The profile is the sender's; the view copies what it needs.
    virtual void ReceiveProfile(const CSUPEProfile* profile) = 0;
    virtual void ReloadDefinition() = 0;
};
