// SPDX-License-Identifier: MIT
#include "ui/win32/Screenshot.h"

#include "core/SystemText.h"

#include <wincodec.h>

namespace quorvex::ui::win32 {

namespace {

template <typename T> struct Released {
    T* p = nullptr;
    ~Released() {
        if (p)
            p->Release();
    }
    T** out() { return &p; }
    T* operator->() const { return p; }
};

struct ComScope {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~ComScope() {
        if (SUCCEEDED(hr))
            CoUninitialize();
    }
};

bool savePng(HBITMAP bitmap, const std::string& path, std::string& reason) {
    ComScope com;
    Released<IWICImagingFactory> factory;
    Released<IWICBitmap> image;
    Released<IWICStream> stream;
    Released<IWICBitmapEncoder> encoder;
    Released<IWICBitmapFrameEncode> frame;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(factory.out()));
    if (SUCCEEDED(hr))
        hr = factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, image.out());
    if (SUCCEEDED(hr))
        hr = factory->CreateStream(stream.out());
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromFilename(widenUtf8(path).c_str(), GENERIC_WRITE);
    if (FAILED(hr)) {
        reason = "cannot write " + path;
        return false;
    }
    hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
    if (SUCCEEDED(hr))
        hr = encoder->Initialize(stream.p, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = encoder->CreateNewFrame(frame.out(), nullptr);
    if (SUCCEEDED(hr))
        hr = frame->Initialize(nullptr);
    if (SUCCEEDED(hr))
        hr = frame->WriteSource(image.p, nullptr);
    if (SUCCEEDED(hr))
        hr = frame->Commit();
    if (SUCCEEDED(hr))
        hr = encoder->Commit();
    if (FAILED(hr)) {
        reason = "cannot encode a PNG (" + windowsErrorText(static_cast<unsigned long>(hr)) + ")";
        return false;
    }
    return true;
}

} // namespace

// Copied from the screen, where the window is drawn: printing a window into a bitmap of its own
// paints only its background on some systems (Wine among them).
bool writeWindowPng(HWND window, const std::string& path, std::string& reason) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    bool ok = false;
    if (!copied)
        reason = "cannot copy the window from the screen";
    else
        ok = savePng(bitmap, path, reason);
    DeleteObject(bitmap);
    return ok;
}

} // namespace quorvex::ui::win32
