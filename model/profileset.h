#pragma once

// The set of profiles of the definition being edited, keyed by a 16-bit key.
// It owns its profiles: a profile leaves the set only by being deleted.

#include "model/profile.h"

#include "platform/core/collections.h"

#include <cstdint>

class ProfileSet {
public:
    ProfileSet() = default;
    ~ProfileSet();
    ProfileSet(const ProfileSet&) = delete;
    ProfileSet& operator=(const ProfileSet&) = delete;

    // Takes `profile` over, gives it the next free key and returns that key.
    // The counter only moves on: a deleted profile's key comes back only after
    // the counter has wrapped past 65535, and a key that a profile of the set
    // holds is never given twice (nor 0, which means "no key").
    int Add(CSUPEProfile* profile);
    // The profile under `key`, or null.
    CSUPEProfile* Find(int key) const;
    // Deletes the profile under `key`; false when there is none.
    bool Delete(int key);
    // Deletes every profile; the key counter keeps its value.
    void DeleteAll();

    int GetCount() const { return m_profiles.GetCount(); }
    bool IsEmpty() const { return m_profiles.IsEmpty(); }
    uint16_t nextProfileKey() const { return m_nextProfileKey; }
    // Visits every profile in the set's fixed order.
    template <class Fn> void ForEach(Fn&& fn) const
    {
        m_profiles.ForEach([&fn](WORD, CSUPEProfile* profile) { fn(profile); });
    }

    // For tests of the wrap: the counter as if that many keys had been given.
    void SetNextProfileKeyForTest(uint16_t value) { m_nextProfileKey = value; }

private:
    CTypedPtrMap<CMapWordToOb, WORD, CSUPEProfile*> m_profiles;
    uint16_t m_nextProfileKey = 0;
};
