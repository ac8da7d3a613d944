#include "framework/graphics/picturedata.h"

namespace {

uint32_t ReadLittleEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

TPictureData ParsePictureData(const std::vector<uint8_t>& bytes)
{
    TPictureData data;
    if (bytes.empty())
        return data;
    const size_t nameLength = bytes[0];
    if (1 + nameLength > bytes.size())
        throw EInvalidPictureData("Picture data is truncated in its class name");
    data.ClassName.assign(bytes.begin() + 1, bytes.begin() + 1 + long(nameLength));
    if (nameLength == 0)
        return data;
    const size_t rest = bytes.size() - 1 - nameLength;
    if (rest < 4)
        throw EInvalidPictureData("Picture data of " + data.ClassName + " has no length");
    const uint32_t length = ReadLittleEndian32(&bytes[1 + nameLength]);
    if (length != rest - 4)
        throw EInvalidPictureData("Picture data of " + data.ClassName + " declares " +
                                  std::to_string(length) + " bytes but holds " +
                                  std::to_string(rest - 4));
    data.Payload.assign(bytes.begin() + long(1 + nameLength + 4), bytes.end());
    return data;
}

std::vector<uint8_t> ComposePictureData(const TPictureData& data)
{
    std::vector<uint8_t> bytes;
    if (data.ClassName.empty())
        return bytes;
    if (data.ClassName.size() > 255)
        throw EInvalidPictureData("Picture class name too long: " + data.ClassName);
    bytes.push_back(uint8_t(data.ClassName.size()));
    bytes.insert(bytes.end(), data.ClassName.begin(), data.ClassName.end());
    const uint32_t length = uint32_t(data.Payload.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(uint8_t(length >> shift));
    bytes.insert(bytes.end(), data.Payload.begin(), data.Payload.end());
    return bytes;
}
