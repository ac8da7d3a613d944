#include "framework/graphics/picture.h"

#include "framework/components/filer.h"
#include "framework/graphics/jpegimage.h"
#include "framework/graphics/picturedata.h"
#include "framework/base/streams.h"

#include <algorithm>
#include <cctype>
#include <map>

FW_IMPLEMENT_CLASS(TPicture, TPersistent)

namespace {

std::map<std::string, TPicture::TGraphicFactory>& GraphicClasses()
{
    static std::map<std::string, TPicture::TGraphicFactory> classes = {
        {"TJPEGImage", [] { return std::make_unique<TJPEGImage>(); }},
    };
    return classes;
}

// A graphic that can write and read its own data as a byte block.
std::vector<uint8_t> GraphicPayload(const TGraphic& graphic)
{
    if (graphic.InheritsFrom(TJPEGImage::StaticClass()))
        return static_cast<const TJPEGImage&>(graphic).Data();
    throw EInvalidPictureData(std::string("Cannot store a picture of class ") +
                              graphic.ClassName());
}

void LoadGraphicPayload(TGraphic& graphic, const std::vector<uint8_t>& payload)
{
    if (graphic.InheritsFrom(TJPEGImage::StaticClass()))
        static_cast<TJPEGImage&>(graphic).LoadFromBytes(payload);
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterGraphicClass(const std::string& className, TGraphicFactory factory)
{
    GraphicClasses()[className] = std::move(factory);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (!graphic) {
        Adopt(nullptr);
        return;
    }
    auto found = GraphicClasses().find(graphic->ClassName());
    if (found == GraphicClasses().end())
        throw EInvalidPictureData(std::string("Unknown picture class ") + graphic->ClassName());
    std::unique_ptr<TGraphic> copy = found->second();
    copy->Assign(graphic);
    Adopt(std::move(copy));
}

std::vector<uint8_t> TPicture::SaveToData() const
{
    if (!graphic_ || graphic_->Empty())
        return {};
    return ComposePictureData({graphic_->ClassName(), GraphicPayload(*graphic_)});
}

void TPicture::LoadFromData(const std::vector<uint8_t>& bytes)
{
    const TPictureData data = ParsePictureData(bytes);
    if (data.ClassName.empty()) {
        Adopt(nullptr);
        return;
    }
    auto found = GraphicClasses().find(data.ClassName);
    if (found == GraphicClasses().end())
        throw EInvalidPictureData("Unknown picture class " + data.ClassName);
    std::unique_ptr<TGraphic> graphic = found->second();
    LoadGraphicPayload(*graphic, data.Payload);
    Adopt(std::move(graphic));
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    std::string extension = fileName.substr(std::min(fileName.size(), fileName.rfind('.')));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension != ".jpg" && extension != ".jpeg")
        throw EInvalidPictureData("Unknown picture file extension (" + extension + ")");
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromFile(fileName);
    Adopt(std::move(jpeg));
}

void TPicture::Assign(const TPersistent* source)
{
    if (!source) {
        Adopt(nullptr);
        return;
    }
    if (source->InheritsFrom(TPicture::StaticClass())) {
        SetGraphic(static_cast<const TPicture*>(source)->Graphic());
        return;
    }
    if (source->InheritsFrom(TGraphic::StaticClass())) {
        SetGraphic(static_cast<const TGraphic*>(source));
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::DefineProperties(TFiler* filer)
{
    filer->DefineBinaryProperty(
        "Data", [this](const std::vector<uint8_t>& bytes) { LoadFromData(bytes); },
        [this] { return SaveToData(); }, graphic_ && !graphic_->Empty());
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}
