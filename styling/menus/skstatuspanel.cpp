#include "styling/menus/skstatuspanel.h"

FW_IMPLEMENT_CLASS(TSkStatusPanel, TPersistent)
