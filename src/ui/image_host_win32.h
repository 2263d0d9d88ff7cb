#pragma once
// An Image on a window of the program's own class that draws the picture resource (icon or
// bitmap) and reports a click; the hand cursor marks a clickable picture.
#include "ui/gdi_win32.h"
#include "ui/host_base_win32.h"
#include "ui/widgets.h"

namespace sentrel {

class ImageHost : public WindowHost {
public:
    ImageHost(Image& model, const HostContext& context);
    ~ImageHost() override;
    void Mirror() override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void LoadModelPicture();
    void OnPaint(HWND window);
    bool OnSetCursor();
    void OnButtonUp(HWND window, LPARAM lParam);

    Image& image_;
    Picture picture_;
    std::string loadedName_;
};

}  // namespace sentrel
