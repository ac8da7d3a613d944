// TPicture: holds one graphic of any registered kind, and stores it in a
// form description as picture data.
#pragma once

#include "framework/graphics/bitmap.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPicture : public TPersistent {
    FW_DECLARE_CLASS(TPicture)
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Takes a copy of the graphic (nullptr clears the picture).
    void SetGraphic(const TGraphic* graphic);
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // Picture data as stored in descriptions: empty for no picture.
    // LoadFromData raises (and keeps the old picture) when the data is
    // damaged or names a graphic class nobody registered.
    std::vector<uint8_t> SaveToData() const;
    void LoadFromData(const std::vector<uint8_t>& bytes);
    // By extension: .jpg and .jpeg.
    void LoadFromFile(const std::string& fileName);

    void Assign(const TPersistent* source) override;
    // Stored in descriptions as the binary property "Data".
    void DefineProperties(TFiler* filer) override;

    TNotifyEvent OnChange;

    // Graphic kinds the picture can create from stored data, by class name.
    using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
    static void RegisterGraphicClass(const std::string& className, TGraphicFactory factory);

private:
    void Adopt(std::unique_ptr<TGraphic> graphic);
    void Changed();

    std::unique_ptr<TGraphic> graphic_;
};
