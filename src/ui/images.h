// Pictures from the exe's resources, decoded by the system.
#pragma once

#include <memory>
#include <vector>

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

// JPEG resources decoded by a worker thread while the caller goes on, for
// instance making its window: under Wine, loading the imaging component and
// decoding two pictures take about as long as making the window, so the two
// overlap instead of adding up.
class BackgroundDecoding {
 public:
  struct Request {
    int resourceId;
    SIZE size;  // pixels
  };
  explicit BackgroundDecoding(std::vector<Request> requests);
  ~BackgroundDecoding();  // waits for the worker
  BackgroundDecoding(const BackgroundDecoding&) = delete;
  BackgroundDecoding& operator=(const BackgroundDecoding&) = delete;

  // The picture as asked for, once the worker has it; one not asked for, or
  // asked at another size, is decoded here and now. Null when unreadable.
  UniqueBitmap Take(int resourceId, SIZE size);

 private:
  static DWORD WINAPI Work(void* self);
  void Wait();

  std::vector<Request> requests_;
  std::vector<UniqueBitmap> pictures_;  // by request; written only by the worker
  UniqueKernelHandle worker_;
};

// The header of a 32-bit top-down DIB of width x height pixels.
BITMAPINFO TopDownDibInfo(int width, int height);

// An icon resource at the size asked for; the system picks the closest image.
UniqueIcon LoadIconAtSize(int resourceId, int width, int height);

}  // namespace kelbo
