// The records handed to the system carry their own size, and a wrong size
// makes the call fail without a word on one target only (a header built for
// another Windows version, a packing pragma leaking in). Their sizes on each
// target, as the system expects them for the Windows versions we support.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

namespace {

constexpr bool Wide = sizeof(void*) == 8;

static_assert(sizeof(void*) == (Wide ? 8 : 4) && sizeof(LONG_PTR) == sizeof(void*),
              "window longs are pointer-sized");
static_assert(sizeof(OPENFILENAMEW) == (Wide ? 152 : 88), "open and save dialogs");
static_assert(sizeof(TRACKMOUSEEVENT) == (Wide ? 24 : 16), "mouse tracking");
static_assert(sizeof(MENUITEMINFOA) == (Wide ? 80 : 48), "menu items");
static_assert(sizeof(NOTIFYICONDATAA) == (Wide ? 528 : 508), "notification-area icon");
// The first layout, which the skinned form's tray icon hands over: its tip
// holds 63 characters, and the handles are wider and aligned on 64-bit.
static_assert(NOTIFYICONDATAA_V1_SIZE == (Wide ? 104 : 88), "notification-area icon, first layout");
static_assert(sizeof(NONCLIENTMETRICSA) == 344, "non-client metrics with the padded border");
static_assert(sizeof(MONITORINFO) == 40, "monitor areas");
static_assert(sizeof(SCROLLINFO) == 28 && sizeof(SCROLLBARINFO) == 60, "scroll bars");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "device-independent bitmaps");

}  // namespace
