// Form-skinning enumerations; the themes take them as arguments too.
#pragma once

#include "framework/base/sets.h"

#include <cstdint>
#include <initializer_list>

enum TSkBorderStyle : uint8_t { kbsNone, kbsStandard, kbsToolWindow };

enum TSkBorderIcon : uint8_t {
    kbiClose,
    kbiSystemMenu,
    kbiMinimize,
    kbiMaximize,
    kbiHelp,
    kbiRollup,
    kbiTray
};
using TSkBorderIcons = TSet<TSkBorderIcon>;
// The icons' names as descriptions store them, in the enumeration's order.
inline const std::initializer_list<const char*> SkBorderIconNames = {
    "kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp", "kbiRollup", "kbiTray"};

enum TSkWindowState : uint8_t { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };

enum TSkFormPerformance : uint8_t {
    ksfpNoBuffer,
    ksfpSharedBuffer,
    ksfpPersistentBuffer,
    ksfpDoubleBuffer
};
