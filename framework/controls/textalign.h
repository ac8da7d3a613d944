// Horizontal text alignment shared by the text controls.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
