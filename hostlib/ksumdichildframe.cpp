#include "host/services/ksumdichildframe.h"

IMPLEMENT_DYNCREATE(CKSUMDIChildFrame, CMDIChildWnd)

int CKSUMDIChildFrame::QueryHostFrameState()
{
    return 1;
}
