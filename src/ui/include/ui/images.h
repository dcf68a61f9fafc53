// Pictures from the exe's resources, decoded by the system.
#pragma once

#include "ui/handles.h"

struct IClassFactory;
struct IWICImagingFactory;

namespace kelbo {

// The system's imaging component, for as long as this object lives. It is
// loaded by hand and let go with this object: a clock that decodes two
// small pictures at start-up should not carry a picture decoder for the
// rest of its run, as COM would keep it.
class ImageDecoder {
 public:
  ImageDecoder();
  ~ImageDecoder();
  ImageDecoder(const ImageDecoder&) = delete;
  ImageDecoder& operator=(const ImageDecoder&) = delete;

  // A JPEG stored as RCDATA, scaled to width x height pixels, as a 32-bit
  // top-down DIB section; null when it cannot be read.
  UniqueBitmap DecodeJpeg(int resourceId, int width, int height) const;

 private:
  UniqueLibrary com_;
  void(WINAPI* uninitialize_)() = nullptr;
  bool comStarted_ = false;
  UniqueLibrary library_;
  IWICImagingFactory* factory_ = nullptr;
  IClassFactory* jpegDecoders_ = nullptr;
};

// The header of a 32-bit top-down DIB of width x height pixels.
BITMAPINFO TopDownDibInfo(int width, int height);

// An icon resource at the size asked for; the system picks the closest image.
UniqueIcon LoadIconAtSize(int resourceId, int width, int height);

// The pixel size of an icon's or a bitmap's image; 0 x 0 for none.
SIZE IconSize(HICON icon);
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace kelbo
