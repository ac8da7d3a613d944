// What the controls ask of the program around them: who handles an
// exception that escapes a window procedure, and which cursor the whole
// program shows. The forms layer installs its answers at start-up; without
// them the controls manage on their own.
#pragma once

#include "framework/controls/control.h"

// Called from inside a catch block. Without a handler installed, the
// error's text is shown in a plain message box.
using TWindowExceptionHandler = void (*)(TObject* sender);
void SetWindowExceptionHandler(TWindowExceptionHandler handler);
void HandleWindowException(TObject* sender);

// The cursor for the whole program; crDefault lets each control choose,
// and is the answer while no source is installed.
using TProgramCursorSource = TCursor (*)();
void SetProgramCursorSource(TProgramCursorSource source);
TCursor ProgramCursor();

// The system cursor a cursor identifier names: none for crNone, the arrow
// for identifiers it does not know.
HCURSOR CursorHandle(TCursor cursor);
