#include "host/services/kdocument.h"

#include "host/services/kbaseapp.h"
#include "hostlib/calllog.h"

#include "platform/core/collections.h"

#include <QJsonArray>
#include <QJsonObject>

IMPLEMENT_DYNCREATE(CKDocument, CDocument)

CKDocument::CKDocument() = default;

CKDocument::~CKDocument()
{
    if (m_context.editedObject)
        m_context.editedObject->Release();
    if (auto* app = dynamic_cast<CKBaseApp*>(AfxGetApp()))
        app->ForgetDocument(this);
}

const tag_VarnelViewContext* CKDocument::GetViewContext(const CDocument* document)
{
    const auto* hostDocument = dynamic_cast<const CKDocument*>(document);
    return hostDocument ? &hostDocument->m_context : nullptr;
}

void CKDocument::SetViewContext(const char* contextName, IUnknown* editedObject)
{
    m_contextName = contextName ? contextName : "";
    m_context.contextName = m_contextName.c_str();
    if (editedObject)
        editedObject->AddRef();
    if (m_context.editedObject)
        m_context.editedObject->Release();
    m_context.editedObject = editedObject;
}

void CKDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject)
{
    QJsonObject line;
    line.insert(QStringLiteral("document"), GetTitle().ToQString());
    line.insert(QStringLiteral("call"), QStringLiteral("UpdateAllViews"));
    QJsonObject args;
    args.insert(QStringLiteral("hint"), static_cast<qint64>(hint));
    if (const auto* strings = dynamic_cast<const CStringArray*>(hintObject)) {
        QJsonArray entries;
        for (const CString& entry : *strings)
            entries.append(entry.ToQString());
        args.insert(QStringLiteral("object"), entries);
    }
    line.insert(QStringLiteral("args"), args);
    CallLog::Write(line);
    CDocument::UpdateAllViews(sender, hint, hintObject);
}
