#pragma once

// The host's document template: a document type known by its GUID.

#include "platform/core/com.h"
#include "platform/docview/doctemplate.h"

class CKDocTemplate : public CDocTemplate {
public:
    CKDocTemplate(const GUID& documentType, UINT resourceId, const CRuntimeClass* documentClass,
        const CRuntimeClass* frameClass, const CRuntimeClass* viewClass, const CRuntimeClass* extraClass);

    const GUID& GetDocumentType() const { return m_documentType; }

private:
    GUID m_documentType;
};
