#pragma once
// The base of every control model: the state that the Win32 layer mirrors onto a real window.
#include <functional>
#include <string>

#include "ui/geometry.h"

namespace sentrel {

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    // The container this control sits in (a page, a frame), or null for the window itself.
    Control* Parent() const { return parent_; }
    void SetParent(Control* parent) { parent_ = parent; }

    const Bounds& GetBounds() const { return bounds_; }
    virtual void SetBounds(const Bounds& bounds);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& text);

    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& tag);

    // ZOrder 0: bring the control in front of its siblings. The host raises the real window
    // whenever the count grows.
    void ZOrder();
    unsigned ZOrderRequests() const { return zOrderRequests_; }

    // Called after every change of state; the Win32 host mirrors the control from it.
    void SetObserver(std::function<void()> observer) { observer_ = std::move(observer); }

protected:
    void Changed() const {
        if (observer_) {
            observer_();
        }
    }

private:
    std::string name_;
    Control* parent_ = nullptr;
    Bounds bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    std::string tag_;
    unsigned zOrderRequests_ = 0;
    std::function<void()> observer_;
};

}  // namespace sentrel
