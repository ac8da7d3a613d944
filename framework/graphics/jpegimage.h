// TJPEGImage: a JPEG picture kept as its compressed stream, decoded once
// when it is loaded so that damaged data is refused at once.
#pragma once

#include "framework/graphics/bitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

class TStream;

class TJPEGImage : public TGraphic {
    FW_DECLARE_CLASS(TJPEGImage)
public:
    TJPEGImage();
    ~TJPEGImage() override;

    bool Empty() const override { return data_.empty(); }
    int Width() const override;
    int Height() const override;
    // A JPEG's size is its picture's: these do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    // Transparent leaves out the colour of the bottom-left pixel.
    void SetTransparent(bool transparent) override;

    // Replaces the picture; raises EJPEGError (and keeps the old picture)
    // when the data is not a complete JPEG.
    void LoadFromBytes(const std::vector<uint8_t>& bytes);
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    void SaveToStream(TStream& stream) const;
    const std::vector<uint8_t>& Data() const { return data_; }

    // The decoded picture, for drawing and reading pixels.
    TBitmap* Bitmap() const { return bitmap_.get(); }

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    std::vector<uint8_t> data_;
    std::unique_ptr<TBitmap> bitmap_;
};
