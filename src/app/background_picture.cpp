#include "app/background_picture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace tunelet::app {
namespace {

// Releases a COM object when it goes out of scope.
template <typename Interface>
struct Released {
  Interface* object = nullptr;
  Released() = default;
  Released(const Released&) = delete;
  Released& operator=(const Released&) = delete;
  ~Released() {
    if (object != nullptr) {
      object->Release();
    }
  }
};

// A movable copy of the bytes, for a stream to own; nullptr when there is no
// memory for it.
HGLOBAL copy_to_global(const void* bytes, DWORD size) {
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  void* copied = copy != nullptr ? GlobalLock(copy) : nullptr;
  if (copied == nullptr) {
    if (copy != nullptr) {
      GlobalFree(copy);
    }
    return nullptr;
  }
  std::memcpy(copied, bytes, size);
  GlobalUnlock(copy);
  return copy;
}

}  // namespace

HBITMAP load_background_picture(HINSTANCE instance, int resource_id) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource_id), RT_RCDATA);
  const DWORD size = found != nullptr ? SizeofResource(instance, found) : 0;
  const void* bytes = size != 0 ? LockResource(LoadResource(instance, found)) : nullptr;
  HGLOBAL copy = bytes != nullptr ? copy_to_global(bytes, size) : nullptr;
  if (copy == nullptr) {
    return nullptr;
  }
  Released<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream.object))) {
    GlobalFree(copy);
    return nullptr;
  }
  Released<IPicture> picture;
  OLE_HANDLE handle = 0;
  if (FAILED(OleLoadPicture(stream.object, static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture.object))) ||
      picture.object == nullptr || FAILED(picture.object->get_Handle(&handle))) {
    return nullptr;
  }
  // A copy of our own outlives the picture object.
  return static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace tunelet::app
