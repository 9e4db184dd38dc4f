#include "host/services/kdoctemplate.h"

CKDocTemplate::CKDocTemplate(const GUID& documentType, UINT resourceId, const CRuntimeClass* documentClass,
    const CRuntimeClass* frameClass, const CRuntimeClass* viewClass, const CRuntimeClass* /*extraClass*/)
    : CDocTemplate(resourceId, documentClass, frameClass, viewClass), m_documentType(documentType)
{
}
