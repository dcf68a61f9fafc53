#include "ui/images.h"

#include <wincodec.h>

#include <memory>

#include "ui/system_library.h"

namespace kelbo {

namespace {

struct ComRelease {
  void operator()(IUnknown* p) const noexcept {
    if (p) p->Release();
  }
};
template <typename T>
using ComPtr = std::unique_ptr<T, ComRelease>;

template <typename T>
ComPtr<T> Take(T* raw) {
  return ComPtr<T>(raw);
}

}  // namespace

// COM is loaded by hand too, so that a start-up that has not reached its
// pictures yet has not paid for it.
ImageDecoder::ImageDecoder() : com_(LoadSystemLibrary(L"ole32.dll")) {
  using Initialize = HRESULT(WINAPI*)(void*, DWORD);
  const auto initialize = FindFunction<Initialize>(com_.get(), "CoInitializeEx");
  uninitialize_ = FindFunction<void(WINAPI*)()>(com_.get(), "CoUninitialize");
  comStarted_ =
      initialize && uninitialize_ && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
  library_.reset(LoadSystemLibrary(L"windowscodecs.dll"));
  using CreateFactory = HRESULT(WINAPI*)(UINT, IWICImagingFactory**);
  const auto createFactory =
      FindFunction<CreateFactory>(library_.get(), "WICCreateImagingFactory_Proxy");
  if (createFactory && FAILED(createFactory(WINCODEC_SDK_VERSION, &factory_))) factory_ = nullptr;
  // The JPEG decoder straight from its module: asking the factory to find a
  // decoder for a stream first reads every decoder's description from the
  // registry, which under Wine is most of the start-up's decoding time.
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  const auto getClassObject = FindFunction<GetClassObject>(library_.get(), "DllGetClassObject");
  if (getClassObject && FAILED(getClassObject(CLSID_WICJpegDecoder, IID_IClassFactory,
                                              reinterpret_cast<void**>(&jpegDecoders_))))
    jpegDecoders_ = nullptr;
}

// In this order: the factory, then the component's module, then COM.
ImageDecoder::~ImageDecoder() {
  if (jpegDecoders_) jpegDecoders_->Release();
  if (factory_) factory_->Release();
  library_.reset();
  if (comStarted_) uninitialize_();
}

UniqueBitmap ImageDecoder::DecodeJpeg(int resourceId, int width, int height) const {
  if (!factory_ || !jpegDecoders_ || width <= 0 || height <= 0) return nullptr;
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (!resource) return nullptr;
  auto* data = static_cast<BYTE*>(::LockResource(::LoadResource(module, resource)));
  const DWORD size = ::SizeofResource(module, resource);

  IWICStream* rawStream = nullptr;
  if (FAILED(factory_->CreateStream(&rawStream))) return nullptr;
  auto stream = Take(rawStream);
  if (FAILED(stream->InitializeFromMemory(data, size))) return nullptr;

  IWICBitmapDecoder* rawDecoder = nullptr;
  if (FAILED(jpegDecoders_->CreateInstance(nullptr, IID_IWICBitmapDecoder,
                                           reinterpret_cast<void**>(&rawDecoder))))
    return nullptr;
  auto decoder = Take(rawDecoder);
  if (FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand))) return nullptr;
  IWICBitmapFrameDecode* rawFrame = nullptr;
  if (FAILED(decoder->GetFrame(0, &rawFrame))) return nullptr;
  auto frame = Take(rawFrame);

  IWICBitmapScaler* rawScaler = nullptr;
  if (FAILED(factory_->CreateBitmapScaler(&rawScaler))) return nullptr;
  auto scaler = Take(rawScaler);
  if (FAILED(scaler->Initialize(frame.get(), static_cast<UINT>(width), static_cast<UINT>(height),
                                WICBitmapInterpolationModeFant)))
    return nullptr;

  IWICFormatConverter* rawConverter = nullptr;
  if (FAILED(factory_->CreateFormatConverter(&rawConverter))) return nullptr;
  auto converter = Take(rawConverter);
  if (FAILED(converter->Initialize(scaler.get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return nullptr;

  const BITMAPINFO info = TopDownDibInfo(width, height);
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return nullptr;
  const UINT stride = static_cast<UINT>(width) * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                                   static_cast<BYTE*>(bits))))
    return nullptr;
  return bitmap;
}

BITMAPINFO TopDownDibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

UniqueIcon LoadIconAtSize(int resourceId, int width, int height) {
  return UniqueIcon(static_cast<HICON>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, width, height, 0)));
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return {0, 0};
  // GetIconInfo hands over copies of the icon's bitmaps.
  const UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  const SIZE size = BitmapSize(colour ? colour.get() : mask.get());
  return {size.cx, colour ? size.cy : size.cy / 2};  // a mask alone holds two images
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP b{};
  if (!bitmap || !::GetObjectW(bitmap, sizeof b, &b)) return {0, 0};
  return {b.bmWidth, b.bmHeight < 0 ? -b.bmHeight : b.bmHeight};
}

}  // namespace kelbo
