// Pictures from the exe's resources, decoded by the system.
#pragma once

#include <functional>
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
//
// The caller never waits for the worker longer than its patience: a worker
// that has not finished by then is left to finish on its own, and the
// pictures stay bare rather than the start-up hanging on them.
class BackgroundDecoding {
 public:
  struct Request {
    int resourceId;
    SIZE size;  // pixels
  };
  // How the worker decodes one picture: the system's decoder unless a test
  // hands in its own.
  using Decode = std::function<UniqueBitmap(const Request&)>;
  static constexpr DWORD kPatienceMs = 3000;

  explicit BackgroundDecoding(std::vector<Request> requests, Decode decode = {},
                              DWORD patienceMs = kPatienceMs);
  ~BackgroundDecoding();
  BackgroundDecoding(const BackgroundDecoding&) = delete;
  BackgroundDecoding& operator=(const BackgroundDecoding&) = delete;

  // The picture as asked for, once the worker has it; one not asked for, or
  // asked at another size, or that the worker could not decode, is decoded
  // here and now. Null when unreadable, and when the worker ran out of
  // patience: the decoder is not to be trusted then.
  UniqueBitmap Take(int resourceId, SIZE size);

 private:
  struct Shared;  // what the worker writes; it outlives this object if need be
  static DWORD WINAPI Work(void* shared);
  void Wait();

  std::shared_ptr<Shared> shared_;
  UniqueKernelHandle worker_;
  DWORD patienceMs_;
  bool finished_ = false;  // the worker finished within patience
  bool gaveUp_ = false;
};

// The header of a 32-bit top-down DIB of width x height pixels.
BITMAPINFO TopDownDibInfo(int width, int height);

// An icon resource at the size asked for; the system picks the closest image.
UniqueIcon LoadIconAtSize(int resourceId, int width, int height);

}  // namespace kelbo
