#include "framework/base/codepages.h"

#include <windows.h>

TLeadBytes LeadBytesOfCodePage(unsigned codePage)
{
    CPINFO info = {};
    if (!GetCPInfo(codePage, &info))
        return TLeadBytes();
    return TLeadBytes::FromRanges(info.LeadByte, MAX_LEADBYTES / 2);
}

const TLeadBytes& AnsiLeadBytes()
{
    static const TLeadBytes table = LeadBytesOfCodePage(CP_ACP);
    return table;
}
