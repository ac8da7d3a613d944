#include "framework/graphics/jpegimage.h"

#include "framework/graphics/jpegdecoder.h"
#include "framework/base/streams.h"


FW_IMPLEMENT_CLASS(TJPEGImage, TGraphic)

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::Width() const
{
    return bitmap_ ? bitmap_->Width() : 0;
}

int TJPEGImage::Height() const
{
    return bitmap_ ? bitmap_->Height() : 0;
}

void TJPEGImage::SetTransparent(bool transparent)
{
    if (bitmap_)
        bitmap_->SetTransparent(transparent);
    TGraphic::SetTransparent(transparent);
}

void TJPEGImage::LoadFromBytes(const std::vector<uint8_t>& bytes)
{
    const TDecodedJpeg decoded = DecodeJpeg(bytes.data(), bytes.size());
    auto bitmap = std::make_unique<TBitmap>(decoded.Width, decoded.Height, pf32bit);
    // GDI keeps the fourth byte of a 32-bit pixel zero; transparent copies
    // compare whole pixels, so an opaque alpha would never match the key.
    for (int row = 0; row < decoded.Height; ++row) {
        auto* out = static_cast<uint32_t*>(bitmap->ScanLine(row));
        const uint32_t* in = &decoded.Pixels[size_t(row) * decoded.Width];
        for (int x = 0; x < decoded.Width; ++x)
            out[x] = in[x] & 0x00FFFFFF;
    }
    bitmap->SetTransparent(Transparent());
    bitmap_ = std::move(bitmap);
    data_ = bytes;
    Changed();
}

void TJPEGImage::LoadFromStream(TStream& stream)
{
    const std::string bytes = stream.ReadToEnd();
    LoadFromBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void TJPEGImage::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TJPEGImage::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(data_.data(), data_.size());
}

void TJPEGImage::Assign(const TPersistent* source)
{
    if (source && source->InheritsFrom(TJPEGImage::StaticClass())) {
        const auto* other = static_cast<const TJPEGImage*>(source);
        SetTransparent(other->Transparent());
        if (other->Empty()) {
            data_.clear();
            bitmap_.reset();
            Changed();
        } else {
            LoadFromBytes(other->data_);
        }
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect)
{
    if (!bitmap_)
        return;
    if (rect.right - rect.left == Width() && rect.bottom - rect.top == Height())
        canvas->Draw(rect.left, rect.top, bitmap_.get());
    else
        canvas->StretchDraw(rect, bitmap_.get());
}
