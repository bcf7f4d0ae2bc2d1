#include "app/PngEncoder.h"

#include <objbase.h>
#include <wincodec.h>

#include "app/OperatingSystem.h"
#include "ui/ComPointer.h"

namespace {

using InitializeFunction = HRESULT(WINAPI*)(void*, DWORD);
using StreamFunction = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
using FactoryFunction = HRESULT(WINAPI*)(UINT, IWICImagingFactory**);

struct Codecs {
  StreamFunction createStream = nullptr;
  FactoryFunction createFactory = nullptr;
};

const Codecs& LoadCodecs() {
  static const Codecs codecs = [] {
    const HMODULE com = LoadSystemLibrary("ole32.dll");
    // The encoders are COM objects. A thread initialised before, in either
    // model, serves as it is.
    if (const auto initialize = LibraryEntry<InitializeFunction>(com, "CoInitializeEx"))
      initialize(nullptr, COINIT_APARTMENTTHREADED);
    return Codecs{LibraryEntry<StreamFunction>(com, "CreateStreamOnHGlobal"),
                  LibraryEntry<FactoryFunction>(LoadSystemLibrary("windowscodecs.dll"),
                                                "WICCreateImagingFactory_Proxy")};
  }();
  return codecs;
}

// Rows of flat colour compress better unfiltered, and the encoder's adaptive
// choice costs a pass over every row per filter. An encoder that lacks the
// option encodes as it chooses.
void ChooseNoFilter(IPropertyBag2& options) {
  PROPBAG2 option{};
  option.pstrName = const_cast<LPOLESTR>(L"FilterOption");
  VARIANT value{};
  value.vt = VT_UI1;
  value.bVal = WICPngFilterNone;
  options.Write(1, &option, &value);
}

// A frame of 24-bit pixels of the size: no alpha for GDI's empty fourth byte
// to make transparent.
bool StartFrame(IWICBitmapEncoder& encoder, int width, int height,
                ComPointer<IWICBitmapFrameEncode>& frame) {
  ComPointer<IPropertyBag2> options;
  if (FAILED(encoder.CreateNewFrame(frame.Receive(), options.Receive()))) return false;
  if (options.Get()) ChooseNoFilter(*options.Get());
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  return SUCCEEDED(frame->Initialize(options.Get())) &&
         SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) &&
         IsEqualGUID(format, GUID_WICPixelFormat24bppBGR);
}

// The encoder takes rows top down; the DIB holds them bottom up.
bool WriteRows(IWICBitmapFrameEncode& frame, int height, std::size_t stride, const BYTE* pixels) {
  const UINT rowBytes = static_cast<UINT>(stride);
  for (int row = height - 1; row >= 0; --row) {
    // Only read, though the interface takes no const.
    BYTE* line = const_cast<BYTE*>(pixels + static_cast<std::size_t>(row) * stride);
    if (FAILED(frame.WritePixels(1, rowBytes, rowBytes, line))) return false;
  }
  return true;
}

bool ReadAll(IStream& stream, std::string& bytes) {
  STATSTG status{};
  if (FAILED(stream.Stat(&status, STATFLAG_NONAME)) || status.cbSize.HighPart != 0) return false;
  bytes.assign(status.cbSize.LowPart, '\0');
  ULONG read = 0;
  return SUCCEEDED(stream.Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr)) &&
         SUCCEEDED(stream.Read(&bytes[0], status.cbSize.LowPart, &read)) &&
         read == status.cbSize.LowPart;
}

}  // namespace

bool EncodePng(int width, int height, std::size_t stride, const BYTE* pixels, std::string& png) {
  png.clear();
  const Codecs& codecs = LoadCodecs();
  if (!codecs.createStream || !codecs.createFactory || width <= 0 || height <= 0) return false;
  ComPointer<IWICImagingFactory> factory;
  ComPointer<IStream> stream;
  ComPointer<IWICBitmapEncoder> encoder;
  ComPointer<IWICBitmapFrameEncode> frame;
  const bool encoded =
      SUCCEEDED(codecs.createFactory(WINCODEC_SDK_VERSION, factory.Receive())) &&
      SUCCEEDED(codecs.createStream(nullptr, TRUE, stream.Receive())) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Receive())) &&
      SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
      StartFrame(*encoder.Get(), width, height, frame) &&
      WriteRows(*frame.Get(), height, stride, pixels) && SUCCEEDED(frame->Commit()) &&
      SUCCEEDED(encoder->Commit()) && ReadAll(*stream.Get(), png);
  if (!encoded) png.clear();
  return encoded;
}
