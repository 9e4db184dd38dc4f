#include "model/profileset.h"

#include "platform/core/invalidarg.h"

#include <limits>

ProfileSet::~ProfileSet()
{
    DeleteAll();
}

int ProfileSet::Add(CSUPEProfile* profile)
{
    // 65535 usable keys: with every one held, there is no key to give.
    constexpr int UsableKeys = std::numeric_limits<uint16_t>::max();
    if (m_profiles.GetCount() >= UsableKeys) {
        delete profile;
        AfxThrowInvalidArgException("Add profile: every profile key from 1 to 65535 is in use.");
    }
    do {
        ++m_nextProfileKey;
    } while (m_nextProfileKey == 0 || m_profiles.Find(m_nextProfileKey));
    profile->key = m_nextProfileKey;
    m_profiles.SetAt(m_nextProfileKey, profile);
    return profile->key;
}

CSUPEProfile* ProfileSet::Find(int key) const
{
    if (key < 0 || key > std::numeric_limits<uint16_t>::max())
        return nullptr;
    return m_profiles.Find(static_cast<WORD>(key));
}

bool ProfileSet::Delete(int key)
{
    CSUPEProfile* profile = Find(key);
    if (!profile)
        return false;
    m_profiles.RemoveKey(static_cast<WORD>(key));
    delete profile;
    return true;
}

void ProfileSet::DeleteAll()
{
    m_profiles.ForEach([](WORD, CSUPEProfile* profile) { delete profile; });
    m_profiles.RemoveAll();
}
