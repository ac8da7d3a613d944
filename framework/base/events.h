// Event types shared by every component. Handlers are plain callables; the
// description reader binds them by name to the owning form's handlers.
#pragma once

#include <functional>

class TPersistent;
using TObject = TPersistent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift state bits, as the key and mouse events report them.
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, unsigned shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, unsigned shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, unsigned shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

// What a form does when it is closed.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

struct TMessage;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
// A key message offered to a form before the focused control sees it.
using TShortCutEvent = std::function<void(TMessage& message, bool& handled)>;
