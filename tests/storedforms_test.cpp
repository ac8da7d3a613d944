// The two windows' stored descriptions, with stand-ins for the classes that
// live in the styling library and the application (the dialogs are the
// framework's own): embedded as resources,
// read by the forms' constructors, linked across forms, written back.
#include "framework/forms/dialogs.h"
#include "framework/base/events.h"
#include "framework/components/properties.h"
#include "framework/components/resources.h"
#include "framework/components/roots.h"
#include "framework/components/writer.h"

#include <gtest/gtest.h>

namespace {

// A stored value with its getter and setter, as the stand-ins need many.
#define STAND_IN_VALUE(Type, Name, Initial)                                     \
public:                                                                         \
    Type Name() const { return Name##_; }                                       \
    void Set##Name(Type value) { Name##_ = value; }                             \
                                                                                \
private:                                                                        \
    Type Name##_ = Initial;

enum TCharset { ANSI_CHARSET, DEFAULT_CHARSET };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum TSkPerformance { kspNoBuffer, kspSharedBuffer, kspPersistentBuffer, kspDoubleBuffer };
enum TSkFormPerformance { ksfpNoBuffer, ksfpSharedBuffer, ksfpPersistentBuffer, ksfpDoubleBuffer };
enum TSkBevelCut { kbvNone, kbvLowered, kbvRaised, kbvSpace };
enum TSkBevelKind { kbkNone, kbkSingle, kbkSoft, kbkFlat };
enum TSkBevelEdge { kbsLeft, kbsTop, kbsRight, kbsBottom };
enum TSkPasswordKind { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };
enum TSkButtonState { kbsNormal, kbsDown };
enum TSkAlignment { ktaLeftJustify, ktaRightJustify, ktaCenter };
enum TSkOrientation { kboHorizontal, kboVertical };
enum TSkBorderIcon { kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray };
enum TSkBorderStyle { kbsNone, kbsStandard, kbsToolWindow };
enum TSkWindowState { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                 poDesktopCenter, poMainFormCenter, poOwnerFormCenter };

class TStandInFont : public TPersistent {
    FW_DECLARE_CLASS(TStandInFont)
    STAND_IN_VALUE(TCharset, Charset, DEFAULT_CHARSET)
    STAND_IN_VALUE(TColor, Color, clWindowText)
    STAND_IN_VALUE(int, Height, -11)
    STAND_IN_VALUE(std::string, Name, "MS Sans Serif")
    STAND_IN_VALUE(TSet<TFontStyle>, Style, {})
};
FW_IMPLEMENT_CLASS(TStandInFont, TPersistent)
FW_PUBLISH(TStandInFont)
{
    p.Enum("Charset", &T::Charset, &T::SetCharset, {"ANSI_CHARSET", "DEFAULT_CHARSET"});
    p.Color("Color", &T::Color, &T::SetColor);
    p.Property("Height", &T::Height, &T::SetHeight);
    p.Property("Name", &T::Name, &T::SetName);
    p.Set("Style", &T::Style, &T::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
}

class TStandInFlag : public TPersistent {
    FW_DECLARE_CLASS(TStandInFlag)
    STAND_IN_VALUE(bool, Enabled, false)
    STAND_IN_VALUE(bool, Sizeable, true)
    STAND_IN_VALUE(int, Value, 255)
};
FW_IMPLEMENT_CLASS(TStandInFlag, TPersistent)
FW_PUBLISH(TStandInFlag)
{
    p.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(false);
    p.Property("Sizeable", &T::Sizeable, &T::SetSizeable).Default(true);
    p.Property("Value", &T::Value, &T::SetValue).Default(255);
}

// Picture data: the graphic's class name and its bytes, kept as stored.
class TStandInPicture : public TPersistent {
    FW_DECLARE_CLASS(TStandInPicture)
public:
    std::vector<uint8_t> Data;
    void DefineProperties(TFiler* filer) override
    {
        filer->DefineBinaryProperty(
            "Data", [this](const std::vector<uint8_t>& d) { Data = d; }, [this] { return Data; },
            !Data.empty());
    }
};
FW_IMPLEMENT_CLASS(TStandInPicture, TPersistent)

class TSkStylist;

class TStandInControl : public TComponent {
    FW_DECLARE_CLASS(TStandInControl)
public:
    using TComponent::TComponent;
    STAND_IN_VALUE(int, Left, 0)
    STAND_IN_VALUE(int, Top, 0)
    STAND_IN_VALUE(int, Width, 0)
    STAND_IN_VALUE(int, Height, 0)
    STAND_IN_VALUE(int, Cursor, 0)
    STAND_IN_VALUE(TColor, Color, clWindow)
    STAND_IN_VALUE(bool, Visible, true)
    STAND_IN_VALUE(int, TabOrder, -1)
};
FW_IMPLEMENT_CLASS(TStandInControl, TComponent)
FW_PUBLISH(TStandInControl)
{
    p.Property("Left", &T::Left, &T::SetLeft);
    p.Property("Top", &T::Top, &T::SetTop);
    p.Property("Width", &T::Width, &T::SetWidth);
    p.Property("Height", &T::Height, &T::SetHeight);
    p.Property("Cursor", &T::Cursor, &T::SetCursor).Default(0).Idents({{"crDefault", 0}, {"crIBeam", -4}});
    p.Color("Color", &T::Color, &T::SetColor).Default(clWindow);
    p.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    p.Property("TabOrder", &T::TabOrder, &T::SetTabOrder).Default(-1);
}

class TStandInThemed : public TStandInControl {
    FW_DECLARE_CLASS(TStandInThemed)
public:
    using TStandInControl::TStandInControl;
    TStandInFlag* Blending() const { return &blending_; }
    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value) { stylist_ = value; }  // asks for no notice, on purpose
    std::string Version() const { return "3.3.0"; }
    void SetVersion(const std::string&) {}
    STAND_IN_VALUE(TSkPerformance, Performance, kspDoubleBuffer)
    STAND_IN_VALUE(bool, Transparent, false)
private:
    mutable TStandInFlag blending_;
    TSkStylist* stylist_ = nullptr;
};
FW_IMPLEMENT_CLASS(TStandInThemed, TStandInControl)
FW_PUBLISH(TStandInThemed)
{
    p.Property("Blending", &T::Blending);
    p.Enum("Performance", &T::Performance, &T::SetPerformance,
           {"kspNoBuffer", "kspSharedBuffer", "kspPersistentBuffer", "kspDoubleBuffer"});
    p.Property("Transparent", &T::Transparent, &T::SetTransparent);
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
    p.Property("Version", &T::Version, &T::SetVersion).Stored(false);
}

class TSkThemeLabel : public TStandInThemed {
    FW_DECLARE_CLASS(TSkThemeLabel)
public:
    explicit TSkThemeLabel(TComponent* owner) : TStandInThemed(owner) { SetColor(clBtnFace); }
    STAND_IN_VALUE(std::wstring, Caption, L"")
    STAND_IN_VALUE(bool, ParentColor, true)
};
FW_IMPLEMENT_CLASS(TSkThemeLabel, TStandInThemed)
FW_PUBLISH(TSkThemeLabel)
{
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(true);
}

class TImage : public TStandInControl {
    FW_DECLARE_CLASS(TImage)
public:
    using TStandInControl::TStandInControl;
    TStandInPicture* Picture() const { return &picture_; }
    STAND_IN_VALUE(bool, Center, false)
    STAND_IN_VALUE(bool, Stretch, false)
    STAND_IN_VALUE(bool, Transparent, false)
private:
    mutable TStandInPicture picture_;
};
FW_IMPLEMENT_CLASS(TImage, TStandInControl)
FW_PUBLISH(TImage)
{
    p.Property("Center", &T::Center, &T::SetCenter).Default(false);
    p.Property("Picture", &T::Picture);
    p.Property("Stretch", &T::Stretch, &T::SetStretch).Default(false);
    p.Property("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
}

class TSkThemeEdit : public TStandInThemed {
    FW_DECLARE_CLASS(TSkThemeEdit)
public:
    using TStandInThemed::TStandInThemed;
    STAND_IN_VALUE(bool, AutoSize, false)
    STAND_IN_VALUE(TSkBevelCut, BevelInner, kbvNone)
    STAND_IN_VALUE(TSkBevelKind, BevelKind, kbkNone)
    STAND_IN_VALUE(TSkBevelCut, BevelOuter, kbvNone)
    STAND_IN_VALUE(TSet<TSkBevelEdge>, BevelSides, {})
    STAND_IN_VALUE(int, BevelWidth, 1)
    STAND_IN_VALUE(int, BorderWidth, 0)
    STAND_IN_VALUE(TSkPasswordKind, PasswordKind, pkNone)
    STAND_IN_VALUE(bool, ReadOnly, false)
};
FW_IMPLEMENT_CLASS(TSkThemeEdit, TStandInThemed)
FW_PUBLISH(TSkThemeEdit)
{
    const std::initializer_list<const char*> cuts = {"kbvNone", "kbvLowered", "kbvRaised", "kbvSpace"};
    p.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(false);
    p.Enum("BevelInner", &T::BevelInner, &T::SetBevelInner, cuts);
    p.Enum("BevelKind", &T::BevelKind, &T::SetBevelKind, {"kbkNone", "kbkSingle", "kbkSoft", "kbkFlat"});
    p.Enum("BevelOuter", &T::BevelOuter, &T::SetBevelOuter, cuts);
    p.Set("BevelSides", &T::BevelSides, &T::SetBevelSides, {"kbsLeft", "kbsTop", "kbsRight", "kbsBottom"});
    p.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth);
    p.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth);
    p.Enum("PasswordKind", &T::PasswordKind, &T::SetPasswordKind,
           {"pkNone", "pkChar", "pkRect", "pkRoundRect", "pkCircle", "pkTriangle"});
    p.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
}

class TSkThemeButton : public TStandInThemed {
    FW_DECLARE_CLASS(TSkThemeButton)
public:
    using TStandInThemed::TStandInThemed;
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(const TNotifyEvent& value) { onClick_ = value; }
    void Click() { if (onClick_) onClick_(this); }
    STAND_IN_VALUE(bool, BlackAndWhiteGlyph, false)
    STAND_IN_VALUE(std::wstring, Caption, L"")
    STAND_IN_VALUE(TSkButtonState, State, kbsNormal)
    STAND_IN_VALUE(bool, WordWrap, false)
private:
    TNotifyEvent onClick_;
};
FW_IMPLEMENT_CLASS(TSkThemeButton, TStandInThemed)
FW_PUBLISH(TSkThemeButton)
{
    p.Property("BlackAndWhiteGlyph", &T::BlackAndWhiteGlyph, &T::SetBlackAndWhiteGlyph);
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Enum("State", &T::State, &T::SetState, {"kbsNormal", "kbsDown"});
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap);
    p.Property("OnClick", &T::OnClick, &T::SetOnClick);
}

class TSkThemeRadioButton : public TStandInThemed {
    FW_DECLARE_CLASS(TSkThemeRadioButton)
public:
    using TStandInThemed::TStandInThemed;
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(const TNotifyEvent& value) { onClick_ = value; }
    STAND_IN_VALUE(TSkAlignment, Alignment, ktaLeftJustify)
    STAND_IN_VALUE(std::wstring, Caption, L"")
    STAND_IN_VALUE(bool, Checked, false)
    STAND_IN_VALUE(int, GroupIndex, 0)
    STAND_IN_VALUE(int, Spacing, 5)
    STAND_IN_VALUE(bool, TabStop, false)
    STAND_IN_VALUE(bool, WordWrap, false)
private:
    TNotifyEvent onClick_;
};
FW_IMPLEMENT_CLASS(TSkThemeRadioButton, TStandInThemed)
FW_PUBLISH(TSkThemeRadioButton)
{
    p.Enum("Alignment", &T::Alignment, &T::SetAlignment, {"ktaLeftJustify", "ktaRightJustify", "ktaCenter"});
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Property("Checked", &T::Checked, &T::SetChecked);
    p.Property("GroupIndex", &T::GroupIndex, &T::SetGroupIndex);
    p.Property("Spacing", &T::Spacing, &T::SetSpacing);
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(false);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap);
    p.Property("OnClick", &T::OnClick, &T::SetOnClick);
}

class TSkThemeProgressBar : public TStandInThemed {
    FW_DECLARE_CLASS(TSkThemeProgressBar)
public:
    using TStandInThemed::TStandInThemed;
    STAND_IN_VALUE(int, BorderWidth, 0)
    STAND_IN_VALUE(int, Max, 100)
    STAND_IN_VALUE(int, Min, 0)
    STAND_IN_VALUE(TSkOrientation, Orientation, kboHorizontal)
    STAND_IN_VALUE(int, Position, 0)
    STAND_IN_VALUE(bool, ShowBorder, true)
    STAND_IN_VALUE(bool, Smooth, false)
};
FW_IMPLEMENT_CLASS(TSkThemeProgressBar, TStandInThemed)
FW_PUBLISH(TSkThemeProgressBar)
{
    p.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth);
    p.Property("Max", &T::Max, &T::SetMax).Default(100);
    p.Property("Min", &T::Min, &T::SetMin).Default(0);
    p.Enum("Orientation", &T::Orientation, &T::SetOrientation, {"kboHorizontal", "kboVertical"});
    p.Property("Position", &T::Position, &T::SetPosition);
    p.Property("ShowBorder", &T::ShowBorder, &T::SetShowBorder);
    p.Property("Smooth", &T::Smooth, &T::SetSmooth);
}

class TMemo : public TStandInControl {
    FW_DECLARE_CLASS(TMemo)
public:
    using TStandInControl::TStandInControl;
    TStrings* Lines() const { return &lines_; }
private:
    mutable TStringList lines_;
    STAND_IN_VALUE(bool, WantReturns, true)
    STAND_IN_VALUE(bool, WordWrap, true)
};
FW_IMPLEMENT_CLASS(TMemo, TStandInControl)
FW_PUBLISH(TMemo)
{
    p.Property("Lines", &T::Lines);
    p.Property("WantReturns", &T::WantReturns, &T::SetWantReturns).Default(true);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(true);
}

class TSkThemeMemo : public TMemo {
    FW_DECLARE_CLASS(TSkThemeMemo)
public:
    using TMemo::TMemo;
    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value) { stylist_ = value; }
private:
    TSkStylist* stylist_ = nullptr;
};
FW_IMPLEMENT_CLASS(TSkThemeMemo, TMemo)
FW_PUBLISH(TSkThemeMemo)
{
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
}

class TSkThemeForm : public TComponent {
    FW_DECLARE_CLASS(TSkThemeForm)
public:
    using TComponent::TComponent;
    TStandInFlag* Animation() const { return &animation_; }
    TStandInFlag* Dragging() const { return &dragging_; }
    TSkStylist* Stylist() const { return stylist_; }
    void SetStylist(TSkStylist* value) { stylist_ = value; }
    STAND_IN_VALUE(TSet<TSkBorderIcon>, BorderIcons, {})
    STAND_IN_VALUE(TSkBorderStyle, BorderStyle, kbsStandard)
    STAND_IN_VALUE(std::wstring, Caption, L"")
    STAND_IN_VALUE(TSkFormPerformance, Performance, ksfpNoBuffer)
    STAND_IN_VALUE(bool, StayOnTop, false)
    STAND_IN_VALUE(bool, StretchBackground, false)
    STAND_IN_VALUE(TSkWindowState, WindowState, kwsNormal)
private:
    mutable TStandInFlag animation_, dragging_;
    TSkStylist* stylist_ = nullptr;
};
FW_IMPLEMENT_CLASS(TSkThemeForm, TComponent)
FW_PUBLISH(TSkThemeForm)
{
    p.Property("Animation", &T::Animation);
    p.Set("BorderIcons", &T::BorderIcons, &T::SetBorderIcons,
          {"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp", "kbiRollup", "kbiTray"});
    p.Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, {"kbsNone", "kbsStandard", "kbsToolWindow"});
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Property("Dragging", &T::Dragging);
    p.Enum("Performance", &T::Performance, &T::SetPerformance,
           {"ksfpNoBuffer", "ksfpSharedBuffer", "ksfpPersistentBuffer", "ksfpDoubleBuffer"});
    p.Property("StayOnTop", &T::StayOnTop, &T::SetStayOnTop);
    p.Property("StretchBackground", &T::StretchBackground, &T::SetStretchBackground);
    p.Property("Stylist", &T::Stylist, &T::SetStylist);
    p.Enum("WindowState", &T::WindowState, &T::SetWindowState,
           {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"});
}

// The stylist keeps its theme by name in a binary record: a 4-byte
// little-endian length and the name's characters.
class TStandInTheme : public TPersistent {
    FW_DECLARE_CLASS(TStandInTheme)
public:
    std::string Name = "No Theme";
};
FW_IMPLEMENT_CLASS(TStandInTheme, TPersistent)

class TSkStylist : public TComponent {
    FW_DECLARE_CLASS(TSkStylist)
public:
    using TComponent::TComponent;
    TStandInTheme* Theme() const { return &theme_; }
    std::string Version() const { return "3.3.0"; }
    void SetVersion(const std::string&) {}
    STAND_IN_VALUE(bool, ColorAutoChanging, true)
    STAND_IN_VALUE(int, DeltaBrightness, 0)
    STAND_IN_VALUE(int, DeltaHue, 0)
public:
    void DefineProperties(TFiler* filer) override
    {
        TComponent::DefineProperties(filer);
        filer->DefineBinaryProperty(
            "ThemeClass", [this](const std::vector<uint8_t>& d) { ReadThemeClass(d); },
            [this] { return WriteThemeClass(); }, true);
    }

private:
    void ReadThemeClass(const std::vector<uint8_t>& d)
    {
        if (d.size() < 4)
            return;
        const size_t n = d[0] | d[1] << 8 | d[2] << 16 | size_t(d[3]) << 24;
        if (n <= d.size() - 4)
            theme_.Name.assign(d.begin() + 4, d.begin() + 4 + static_cast<std::ptrdiff_t>(n));
    }
    std::vector<uint8_t> WriteThemeClass() const
    {
        const size_t n = theme_.Name.size();
        std::vector<uint8_t> d(4 + n);
        for (int i = 0; i < 4; ++i)
            d[i] = static_cast<uint8_t>(n >> (8 * i));
        std::copy(theme_.Name.begin(), theme_.Name.end(), d.begin() + 4);
        return d;
    }
    mutable TStandInTheme theme_;
};
FW_IMPLEMENT_CLASS(TSkStylist, TComponent)
FW_PUBLISH(TSkStylist)
{
    p.Property("ColorAutoChanging", &T::ColorAutoChanging, &T::SetColorAutoChanging);
    p.Property("DeltaBrightness", &T::DeltaBrightness, &T::SetDeltaBrightness);
    p.Property("DeltaHue", &T::DeltaHue, &T::SetDeltaHue);
    p.Property("Theme", &T::Theme);
    p.Property("Version", &T::Version, &T::SetVersion).Stored(false);
}

// A form: known by name while it lives.
class TStandInForm : public TComponent {
    FW_DECLARE_CLASS(TStandInForm)
public:
    explicit TStandInForm(TComponent* owner) : TComponent(owner) { RegisterRoot(this); }
    TStandInFont* Font() const { return &font_; }
    STAND_IN_VALUE(int, Left, 0)
    STAND_IN_VALUE(int, Top, 0)
    STAND_IN_VALUE(bool, AutoScroll, true)
    STAND_IN_VALUE(TSet<TBorderIcon>, BorderIcons, (TSet<TBorderIcon>{biSystemMenu, biMinimize, biMaximize}))
    STAND_IN_VALUE(TFormBorderStyle, BorderStyle, bsSizeable)
    STAND_IN_VALUE(std::string, Caption, "")
    STAND_IN_VALUE(int, ClientHeight, 0)
    STAND_IN_VALUE(int, ClientWidth, 0)
    STAND_IN_VALUE(TColor, Color, clBtnFace)
    STAND_IN_VALUE(TPosition, Position, poDesigned)
    STAND_IN_VALUE(int, PixelsPerInch, 96)
    STAND_IN_VALUE(int, TextHeight, 13)
private:
    mutable TStandInFont font_;
};
FW_IMPLEMENT_CLASS(TStandInForm, TComponent)
FW_PUBLISH(TStandInForm)
{
    p.Property("Left", &T::Left, &T::SetLeft);
    p.Property("Top", &T::Top, &T::SetTop);
    p.Property("AutoScroll", &T::AutoScroll, &T::SetAutoScroll).Default(true);
    p.Set("BorderIcons", &T::BorderIcons, &T::SetBorderIcons,
          {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"})
        .Default(TSet<TBorderIcon>{biSystemMenu, biMinimize, biMaximize});
    p.Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle,
           {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
        .Default(bsSizeable);
    p.Property("Caption", &T::Caption, &T::SetCaption);
    p.Property("ClientHeight", &T::ClientHeight, &T::SetClientHeight);
    p.Property("ClientWidth", &T::ClientWidth, &T::SetClientWidth);
    p.Color("Color", &T::Color, &T::SetColor);
    p.Property("Font", &T::Font);
    p.Enum("Position", &T::Position, &T::SetPosition,
           {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
            "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
        .Default(poDesigned);
    p.Property("PixelsPerInch", &T::PixelsPerInch, &T::SetPixelsPerInch);
    p.Property("TextHeight", &T::TextHeight, &T::SetTextHeight);
}

std::vector<std::string> gHandled;

class TForm1 : public TStandInForm {
    FW_DECLARE_CLASS(TForm1)
public:
    explicit TForm1(TComponent* owner) : TStandInForm(owner) { ReadComponentResource(this); }
    TSkThemeForm* SkThemeForm1 = nullptr;
    TSkThemeEdit* doc = nullptr;
    TSkThemeButton* SkThemeButton1 = nullptr;
    TSkThemeLabel* SkThemeLabel1 = nullptr;
    TSkThemeRadioButton* dcd = nullptr;
    TSkThemeRadioButton* acd = nullptr;
    TOpenDialog* obrazy = nullptr;
    TSkThemeProgressBar* progre = nullptr;
    TMemo* cue = nullptr;
    TImage* Image1 = nullptr;
    TSkStylist* SkStylist1 = nullptr;
    void SkThemeButton1Click(TObject*) { gHandled.push_back("Form1.SkThemeButton1Click"); }
    void acdClick(TObject*) { gHandled.push_back("Form1.acdClick"); }
};
FW_IMPLEMENT_CLASS(TForm1, TStandInForm)
FW_PUBLISH(TForm1)
{
    p.Field("SkThemeForm1", &T::SkThemeForm1);
    p.Field("doc", &T::doc);
    p.Field("SkThemeButton1", &T::SkThemeButton1);
    p.Field("SkThemeLabel1", &T::SkThemeLabel1);
    p.Field("dcd", &T::dcd);
    p.Field("acd", &T::acd);
    p.Field("obrazy", &T::obrazy);
    p.Field("progre", &T::progre);
    p.Field("cue", &T::cue);
    p.Field("Image1", &T::Image1);
    p.Field("SkStylist1", &T::SkStylist1);
    p.Handler("SkThemeButton1Click", &T::SkThemeButton1Click);
    p.Handler("acdClick", &T::acdClick);
}

class TForm2 : public TStandInForm {
    FW_DECLARE_CLASS(TForm2)
public:
    explicit TForm2(TComponent* owner) : TStandInForm(owner) { ReadComponentResource(this); }
    TSkThemeForm* SkThemeForm1 = nullptr;
    TSkThemeMemo* editer = nullptr;
    TSkThemeButton* SkThemeButton1 = nullptr;
    TSkThemeButton* SkThemeButton2 = nullptr;
    TSkThemeButton* SkThemeButton3 = nullptr;
    TOpenDialog* op = nullptr;
    TSaveDialog* sv = nullptr;
    void SkThemeButton1Click(TObject*) { gHandled.push_back("Form2.SkThemeButton1Click"); }
    void SkThemeButton2Click(TObject*) { gHandled.push_back("Form2.SkThemeButton2Click"); }
    void SkThemeButton3Click(TObject*) { gHandled.push_back("Form2.SkThemeButton3Click"); }
};
FW_IMPLEMENT_CLASS(TForm2, TStandInForm)
FW_PUBLISH(TForm2)
{
    p.Field("SkThemeForm1", &T::SkThemeForm1);
    p.Field("editer", &T::editer);
    p.Field("SkThemeButton1", &T::SkThemeButton1);
    p.Field("SkThemeButton2", &T::SkThemeButton2);
    p.Field("SkThemeButton3", &T::SkThemeButton3);
    p.Field("op", &T::op);
    p.Field("sv", &T::sv);
    p.Handler("SkThemeButton1Click", &T::SkThemeButton1Click);
    p.Handler("SkThemeButton2Click", &T::SkThemeButton2Click);
    p.Handler("SkThemeButton3Click", &T::SkThemeButton3Click);
}

// Every stylist link of the editor window, so none is missed.
std::vector<TSkStylist*> EditorStylists(const TForm2* form)
{
    return {form->editer->Stylist(), form->SkThemeButton1->Stylist(), form->SkThemeButton2->Stylist(),
            form->SkThemeButton3->Stylist(), form->SkThemeForm1->Stylist()};
}

TEST(StoredForms, MainWindowReadsFromItsResourceAndWritesBackIdentically)
{
    gHandled.clear();
    auto* form = new TForm1(nullptr);
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->ComponentCount(), 11);
    ASSERT_NE(form->SkStylist1, nullptr);
    EXPECT_EQ(form->SkStylist1->Theme()->Name, "Luna");
    EXPECT_EQ(form->doc->Stylist(), form->SkStylist1);
    EXPECT_EQ(form->SkThemeForm1->Stylist(), form->SkStylist1);
    EXPECT_TRUE(form->doc->ReadOnly());
    EXPECT_TRUE(form->doc->Blending()->Enabled());
    EXPECT_EQ(form->doc->Cursor(), -4);
    EXPECT_EQ(form->doc->BevelSides(), (TSet<TSkBevelEdge>{kbsLeft, kbsTop, kbsRight, kbsBottom}));
    EXPECT_EQ(form->acd->Caption(), L"R\u0119cznie");
    EXPECT_EQ(form->cue->Lines()->Text(), "cue\r\n");
    EXPECT_FALSE(form->SkThemeForm1->Dragging()->Sizeable());
    EXPECT_EQ(form->SkThemeForm1->BorderIcons(), TSet<TSkBorderIcon>{kbiClose});
    EXPECT_EQ(form->Font()->Height(), -11);
    EXPECT_EQ(form->Color(), clSilver);
    EXPECT_EQ(form->obrazy->Filter(), "Obrazy CD|*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    EXPECT_EQ(form->obrazy->Options(), (TOpenOptions{ofHideReadOnly, ofEnableSizing}));
    EXPECT_EQ(form->Image1->Picture()->Data.size(), 19u);
    form->SkThemeButton1->Click();
    EXPECT_EQ(gHandled, std::vector<std::string>{"Form1.SkThemeButton1Click"});

    EXPECT_EQ(WriteComponentText(form), LoadRcDataResource("TFORM1"));
    form->Free();
}

TEST(StoredForms, EditorReferencesTheMainWindowsStylistInEitherCreationOrder)
{
    for (bool mainFirst : {true, false}) {
        TForm1* main = mainFirst ? new TForm1(nullptr) : nullptr;
        auto* editor = new TForm2(nullptr);
        if (!main) {
            for (TSkStylist* s : EditorStylists(editor))
                EXPECT_EQ(s, nullptr);  // paints without a theme until then
            main = new TForm1(nullptr);
        }
        for (TSkStylist* s : EditorStylists(editor))
            EXPECT_EQ(s, main->SkStylist1);
        EXPECT_EQ(WriteComponentText(editor), LoadRcDataResource("TFORM2"));
        gHandled.clear();
        editor->SkThemeButton3->Click();
        EXPECT_EQ(gHandled, std::vector<std::string>{"Form2.SkThemeButton3Click"});

        // The stylist's setters ask for no notice; the framework clears the links anyway.
        main->Free();
        for (TSkStylist* s : EditorStylists(editor))
            EXPECT_EQ(s, nullptr);
        editor->Free();
    }
}

TEST(StoredForms, AMissingResourceIsAClearError)
{
    TStandInForm form(nullptr);
    try {
        ReadComponentResource(&form);
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource TStandInForm not found");
    }
}

} // namespace
