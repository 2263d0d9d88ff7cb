#pragma once
// The XP button's window: the face the model names, cut from the face strip and stretched by
// the nine-slice copies, with the centred caption on top.
#include <memory>
#include <string>
#include <vector>

#include "controls/high_contrast.h"
#include "controls/xp_host_base_win32.h"
#include "controls/xpcmdbutton.h"

namespace sentrel {

// The face strip: the "XPBUTTON" bitmap resource (90 x 21, five 18 x 21 cells), or the strip
// drawn from the theme's colours when the program carries no such resource.
class FaceStrip {
public:
    explicit FaceStrip(HINSTANCE instance);
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.Get()); }
    bool FromResource() const { return fromResource_; }
    // The strip's pixels, row by row, as the host paints them.
    std::vector<Colour> Pixels() const;

private:
    UniqueGdiObject bitmap_;
    bool fromResource_ = false;
};

class XpCmdButtonHost : public XpHostBase {
public:
    XpCmdButtonHost(xpcmdbutton& model, const HostContext& context);
    ~XpCmdButtonHost() override;

    void Mirror() override;
    AccessibleFacts Describe() override;

private:
    void OnDefaultAction() override { button_.UserClick(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    void PaintFace(HDC dc, int width, int height);
    // The optional picture, from an icon or bitmap resource, scaled to 16 x 16.
    void PaintPicture(HDC dc, Point at);
    LRESULT OnButtonDown(int button, LPARAM lParam);
    LRESULT OnButtonUp(int button, LPARAM lParam);
    void PaintHighContrastFace(HDC dc, const RECT& client);

    xpcmdbutton& button_;
    WindowPointerSource pointer_;
    FaceStrip strip_;
    std::string pictureName_;
    UniqueIcon pictureIcon_;
    UniqueGdiObject pictureBitmap_;
    bool releasingCapture_ = false;  // our own release of the mouse, not another window's taking
};

}  // namespace sentrel
