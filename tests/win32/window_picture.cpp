#include "tests/win32/window_picture.h"

#include <wincodec.h>

#include <vector>

#include "tests/win32/probe_failure.h"

namespace window_probe {

namespace {

template <typename Interface>
class Com {
public:
    Com() = default;
    ~Com() {
        if (pointer_) pointer_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Interface* operator->() const { return pointer_; }
    Interface** operator&() { return &pointer_; }
    Interface* get() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// The window's pixels, top row first, 32 bits each (blue, green, red, unused).
std::vector<BYTE> ScreenPixels(HWND window, int width, int height) {
    RECT place{};
    GetWindowRect(window, &place);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const BOOL copied = BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    std::vector<BYTE> pixels;
    if (copied && bits) {
        const auto* first = static_cast<const BYTE*>(bits);
        pixels.assign(first, first + std::size_t(width) * height * 4);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void Check(HRESULT result, const std::wstring& file, const wchar_t* step) {
    if (FAILED(result)) {
        throw ProbeFailure(L"cannot write " + file + L": " + step + L" failed (0x" +
                           std::to_wstring(static_cast<unsigned long>(result)) + L")");
    }
}

}  // namespace

void SaveWindowPicture(HWND window, const std::wstring& pngFile) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
    RECT place{};
    GetWindowRect(window, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const std::vector<BYTE> pixels = ScreenPixels(window, width, height);
    if (pixels.empty()) throw ProbeFailure(L"cannot copy the window for " + pngFile + L" from the screen");

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Com<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(&factory)),
          pngFile, L"WIC");
    Com<IWICStream> stream;
    Check(factory->CreateStream(&stream), pngFile, L"the stream");
    Check(stream->InitializeFromFilename(pngFile.c_str(), GENERIC_WRITE), pngFile, L"opening");
    Com<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), pngFile, L"the PNG encoder");
    Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), pngFile, L"the PNG encoder");
    Com<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(&frame, nullptr), pngFile, L"the frame");
    Check(frame->Initialize(nullptr), pngFile, L"the frame");
    Check(frame->SetSize(width, height), pngFile, L"the size");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    Check(frame->SetPixelFormat(&format), pngFile, L"the pixel format");
    Check(frame->WritePixels(height, width * 4, UINT(pixels.size()), const_cast<BYTE*>(pixels.data())), pngFile,
          L"writing");
    Check(frame->Commit(), pngFile, L"the frame");
    Check(encoder->Commit(), pngFile, L"the file");
}

}  // namespace window_probe
