// Registers every look of the library, in the order the stylist matches
// names against: "No Theme", "Flat", "Highlight", "Lines", "Luna",
// "MetalLuna", "Advanced", "Cool Flat", "OfficeXP", "KDE". Called once at
// start-up, before any form is read; calling it again changes nothing.
#pragma once

void RegisterSkThemes();
