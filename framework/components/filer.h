// TFiler: what DefineProperties talks to. The description reader and writer
// implement it; a class declares its unpublished stored data through it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TFiler {
public:
    using TBinaryReader = std::function<void(const std::vector<uint8_t>& data)>;
    using TBinaryWriter = std::function<std::vector<uint8_t>()>;

    virtual ~TFiler() = default;

    // A property stored as binary data under name. The reader calls read with
    // the stored bytes; the writer calls write and stores its result when
    // hasData is true.
    virtual void DefineBinaryProperty(const std::string& name, TBinaryReader read,
                                      TBinaryWriter write, bool hasData) = 0;
};
