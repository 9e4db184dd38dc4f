#include "workbench/app/showviewrequest.h"

std::optional<ShowViewOrder> ReadShowViewRequest(LPARAM lParam)
{
    const auto* request = reinterpret_cast<const ShowViewRequest*>(lParam);
    if (!request || request->requestType != ShowViewRequestType)
        return std::nullopt;
    ShowViewOrder order;
    order.viewKind = request->viewKind;
    if (request->ownerPrefix)
        order.ownerPrefix = QString::fromLocal8Bit(request->ownerPrefix);
    return order;
}
