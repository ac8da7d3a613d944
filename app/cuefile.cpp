#include "app/cuefile.h"

#include "framework/base/streams.h"

void WriteCueSheet(const std::string& text, const std::string& fileName)
{
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(text.data(), text.size());
}
