// String-table identifiers of the skinned form's system menu (also read by
// the resource compiler, so plain defines).
#pragma once

#define SkFormMenuRestore 0xF310
#define SkFormMenuMinimize 0xF311
#define SkFormMenuMaximize 0xF312
#define SkFormMenuRollup 0xF313
#define SkFormMenuTray 0xF314
#define SkFormMenuSeparator 0xF315
#define SkFormMenuClose 0xF316
