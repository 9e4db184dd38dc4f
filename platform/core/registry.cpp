#include "platform/core/registry.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr UINT FirstRegisteredId = 0xC000;
constexpr UINT LastRegisteredId = 0xFFFF;

class NameRegistry {
public:
    UINT Register(const char* name)
    {
        if (!name || !*name)
            return 0;
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_ids.find(name);
        if (it != m_ids.end())
            return it->second;
        if (m_names.size() > LastRegisteredId - FirstRegisteredId)
            return 0;
        const UINT id = FirstRegisteredId + static_cast<UINT>(m_names.size());
        m_ids.emplace(name, id);
        m_names.emplace_back(name);
        return id;
    }

    std::string Name(UINT id)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (id < FirstRegisteredId || id - FirstRegisteredId >= m_names.size())
            return {};
        return m_names[id - FirstRegisteredId];
    }

private:
    std::mutex m_mutex;
    std::map<std::string, UINT> m_ids;
    std::vector<std::string> m_names;
};

// Function-local statics: modules register from their load-time initialisers,
// which may run before this file's own globals are constructed.
NameRegistry& Messages()
{
    static NameRegistry registry;
    return registry;
}

NameRegistry& Formats()
{
    static NameRegistry registry;
    return registry;
}

} // namespace

UINT RegisterWindowMessage(const char* name)
{
    return Messages().Register(name);
}

UINT RegisterClipboardFormat(const char* name)
{
    return Formats().Register(name);
}

CString GetClipboardFormatName(UINT format)
{
    return CString(Formats().Name(format));
}

CString GetWindowMessageName(UINT message)
{
    return CString(Messages().Name(message));
}

QString ClipboardFormatMimeType(UINT format)
{
    return QString::fromLatin1(Formats().Name(format).c_str());
}
