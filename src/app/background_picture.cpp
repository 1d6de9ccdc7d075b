#include "app/background_picture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace tunelet::app {

HBITMAP load_background_picture(HINSTANCE instance, int resource_id) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource_id), MAKEINTRESOURCEW(10));
  if (found == nullptr) {
    return nullptr;
  }
  const DWORD size = SizeofResource(instance, found);
  const void* bytes = LockResource(LoadResource(instance, found));
  if (bytes == nullptr || size == 0) {
    return nullptr;
  }
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

  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                  reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded) || picture == nullptr) {
    return nullptr;
  }
  OLE_HANDLE handle = 0;
  HBITMAP bitmap = nullptr;
  if (SUCCEEDED(picture->get_Handle(&handle))) {
    // A copy of our own outlives the picture object.
    bitmap = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  picture->Release();
  return bitmap;
}

}  // namespace tunelet::app
