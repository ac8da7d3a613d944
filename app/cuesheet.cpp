#include "app/cuesheet.h"

#include "framework/base/filenames.h"

namespace {
const char FilePrefix[] = "FILE \"";
const char FileSuffix[] = "\" BINARY";
const char TrackLine[] = "  TRACK 01 MODE1/2352";
const char IndexLine[] = "    INDEX 01 00:00:00";
const char Separator[] = "\r";
} // namespace

std::string ComposeCueSheet(const std::string& imageName)
{
    return FilePrefix + imageName + FileSuffix + Separator + TrackLine + Separator + IndexLine;
}

std::string CueFileName(const std::string& imagePath, const TLeadBytes& leadBytes)
{
    return ExtractFileName(imagePath + ".cue", leadBytes);
}
