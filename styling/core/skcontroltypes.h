// The option types of the themed control bases.
#pragma once

#include "styling/core/skdraw.h"  // TSkBevelSide, TSkBevelSides

// How a paint is buffered: straight to the screen, through the one shared
// buffer, or through a bitmap of its own made for each paint.
enum TSkPerformance { kspNoBuffer, kspSharedBuffer, kspDoubleBuffer };

enum TSkBevelCut { kbvNone, kbvLowered, kbvRaised, kbvSpace, kbvBorder, kbvFlatBorder };

enum TSkBevelKind { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };

// Which child scroll bars a windowed control carries.
enum TSkScrollBarStyle { kssNone, kssHorizontal, kssVertical, kssBoth };
