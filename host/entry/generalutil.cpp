#include "host/entry/generalutil.h"

CSUGeneralUtil& CSUGeneralUtil::operator=(const CSUGeneralUtil& /*other*/)
{
    return *this;
}

CSUGeneralUtil& CSUGeneralUtil::operator=(CSUGeneralUtil&& /*other*/)
{
    return *this;
}
