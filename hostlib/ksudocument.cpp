#include "host/services/ksudocument.h"

IMPLEMENT_DYNCREATE(CKSUDocument, CKDocument)

CKSUDocument::CKSUDocument() : m_displayUnit("s")
{
}

void CKSUDocument::SetDisplayUnit(const char* unit, double factor)
{
    m_displayUnit = unit;
    m_factor = factor;
    UpdateAllViews(nullptr, HINT_DISPLAY_UNIT_CHANGED, nullptr);
}
