#include "window/main_window_win32.h"

#include <stdexcept>

#include "window/host_factory_win32.h"
#include "base/system_functions_win32.h"
#include "base/text_win32.h"
#include "ui/frame_host_win32.h"
#include "ui/gdi_win32.h"
#include "ui/host_routing_win32.h"
#include "ui/toolbar_host_win32.h"
#include "ui/window_class_win32.h"

namespace sentrel {

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

}  // namespace

int WindowDpi(HWND window) {
    if (const auto getDpi =
            SystemFunction<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow", kWindows10)) {
        if (const UINT dpi = getDpi(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

MainWindow::MainWindow(WMain& main, HINSTANCE instance)
    : main_(main), instance_(instance), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    CreateMainWindow();
    dpi_ = WindowDpi(Handle());
    font_ = CreateFontAt(Font{}, dpi_);
    SizeToClientArea();
    SetIcons();
    toolTips_.Create(Handle(), instance_);
    pacer_ = std::make_unique<MirrorPacer>(Handle());
    CreateControls();
    ConnectPages();
    main_.wMain.SetObserver([this] { MirrorForm(); });
    MirrorForm();
    controlsReady_ = true;
}

MainWindow::~MainWindow() {
    toolTips_ = ControlToolTips();
    main_.wMain.SetObserver(nullptr);
    for (Control* control : main_.Controls()) {
        control->SetObserver(nullptr);
    }
    // Children before their containers, out of sight so that nothing repaints in between.
    ShowWindow(Handle(), SW_HIDE);
    while (!hosts_.empty()) {
        if (hosts_.back()) {
            DetachHost(hosts_.back()->Window());
        }
        hosts_.pop_back();
    }
    DetachWindowObject(Handle());
}

void MainWindow::CreateMainWindow() {
    RegisterWindowClass(instance_, kMainWindowClass, WindowProcFor<MainWindow>);
    HWND window = CreateWindowExW(
        kMainExStyle, kMainWindowClass, Utf8ToWide(main_.wMain.Caption()).c_str(), kMainStyle,
        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this);
    if (window == nullptr) {
        throw std::runtime_error("cannot create the main window: " +
                                 SystemErrorDescription(GetLastError()));
    }
    window_.Reset(window);
    shownCaption_ = main_.wMain.Caption();
}

// The client area is the form's size in twips at the window's DPI; the frame goes around it.
void MainWindow::SizeToClientArea() {
    const Bounds& client = main_.wMain.GetBounds();
    RECT r{0, 0, TwipsToPixels(client.width, dpi_), TwipsToPixels(client.height, dpi_)};
    AdjustWindowRectEx(&r, kMainStyle, FALSE, kMainExStyle);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetIcons() {
    bigIcon_.Reset(static_cast<HICON>(LoadImageW(instance_, L"SENTREL", IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.Reset(static_cast<HICON>(LoadImageW(instance_, L"SENTREL", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

// One host per control, parents first, so every parent window exists before its children.
void MainWindow::CreateControls() {
    const std::vector<Control*>& controls = main_.Controls();
    hosts_.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control* control = controls[i];
        if (control == &main_.wMain) {
            continue;
        }
        HWND parent = control->Parent() != nullptr ? WindowOf(*control->Parent()) : nullptr;
        // A model's changes reach its window at the pace of the display (see MirrorPacer).
        const std::size_t slot = pacer_->Add([this, control, i] {
            if (ControlHost* host = hosts_[i].get()) {
                host->Mirror();
                toolTips_.Set(host->Window(), control->ToolTipText());
            }
        });
        HostContext context{parent != nullptr ? parent : Handle(),
                            kFirstControlId + static_cast<int>(i),
                            static_cast<HFONT>(font_.Get()),
                            dpi_,
                            instance_,
                            [this, slot] { pacer_->Request(slot); }};
        std::unique_ptr<ControlHost> host = CreateHost(*control, context);
        if (!host) {
            continue;
        }
        AttachHost(host->Window(), host.get());
        toolTips_.Set(host->Window(), control->ToolTipText());
        control->SetObserver(context.requestMirror);
        hosts_[i] = std::move(host);
    }
}

// A page shows only while it is the one in front; bringing one forward hides the others.
void MainWindow::ConnectPages() {
    for (std::size_t i = 0; i < main_.fraContainer.Count(); ++i) {
        if (auto* page = dynamic_cast<FrameHost*>(HostFor(main_.fraContainer[i]))) {
            page->SetFrontTest([this, i] { return main_.fraContainer.FrontIndex() == i; });
        }
        main_.fraContainer[i].SetObserver([this] { MirrorPages(); });
    }
}

void MainWindow::MirrorPages() {
    for (Frame& page : main_.fraContainer) {
        if (ControlHost* host = HostFor(page)) {
            host->Mirror();
        }
    }
}

ControlHost* MainWindow::HostFor(const Control& model) const {
    const std::vector<Control*>& controls = main_.Controls();
    for (std::size_t i = 0; i < controls.size() && i < hosts_.size(); ++i) {
        if (controls[i] == &model) {
            return hosts_[i].get();
        }
    }
    return nullptr;
}

HWND MainWindow::WindowOf(const Control& model) const {
    if (&model == &main_.wMain) {
        return Handle();
    }
    ControlHost* host = HostFor(model);
    return host != nullptr ? host->Window() : nullptr;
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteToChildHost(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_SIZE:
            OnSize(wParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case kMsgTrayCallback:
            OnTrayCallback(lParam);
            return 0;
        case kMsgPageByKey:
            OnPageByKey(wParam, lParam);
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            OnSystemColours();
            break;
        case MirrorPacer::kMsgMirrorDue:
            pacer_->Flush();
            return 0;
        default:
            break;
    }
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        OnTaskbarCreated();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sentrel
