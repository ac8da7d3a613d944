// The Version property every component of the library carries: it always
// reads the library's version, ignores writes (a stored description may
// still name one) and is never written.
#pragma once

#include "framework/components/properties.h"

#include <string>

using TSkThemeVersion = std::string;

constexpr const char* SkLibraryVersion = "3.3.0";

// Mixed into a component class; PublishVersion publishes it.
class TSkVersioned {
public:
    TSkThemeVersion Version() const { return SkLibraryVersion; }
    void SetVersion(const TSkThemeVersion&) {}
};

// In a FW_PUBLISH block of a class deriving from TSkVersioned.
template <typename T>
void PublishVersion(TPublisher<T>& p)
{
    p.Property("Version", &T::Version, &T::SetVersion).Stored(false);
}
