// Lead-byte tables of the system's code pages.
#pragma once

#include "framework/base/leadbytes.h"

// The lead bytes of a code page; none when the system does not know it.
TLeadBytes LeadBytesOfCodePage(unsigned codePage);

// The lead bytes of the system's ANSI code page, read once.
const TLeadBytes& AnsiLeadBytes();
