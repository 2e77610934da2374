#include "reports/ui/ReportLookups.h"

namespace ReportLookups {

namespace {

LinkPicker &linkSlot()
{
    static LinkPicker picker;
    return picker;
}

AccountPicker &accountSlot()
{
    static AccountPicker picker;
    return picker;
}

} // namespace

void setLinkPicker(LinkPicker picker)
{
    linkSlot() = std::move(picker);
}

void setAccountPicker(AccountPicker picker)
{
    accountSlot() = std::move(picker);
}

const LinkPicker &linkPicker()
{
    return linkSlot();
}

const AccountPicker &accountPicker()
{
    return accountSlot();
}

} // namespace ReportLookups
