#include "app/form_looks.h"

#include "app/background_picture.h"
#include "app/form_design.h"
#include "app/resource_ids.h"

namespace tunelet::app {
namespace {

HFONT create_font(const wchar_t* face, int height) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

// The picture drawn smoothly onto a bitmap of the size given.
HBITMAP scaled_picture(HBITMAP picture, int width, int height) {
  BITMAP size;
  if (picture == nullptr || GetObjectW(picture, sizeof size, &size) == 0) {
    return nullptr;
  }
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP scaled = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (scaled == nullptr) {
    return nullptr;
  }
  const MemoryDc from(nullptr), to(nullptr);
  const Selected original(from.get(), picture), target(to.get(), scaled);
  SetStretchBltMode(to.get(), HALFTONE);
  SetBrushOrgEx(to.get(), 0, 0, nullptr);
  StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  return scaled;
}

}  // namespace

FormLooks& form_looks() {
  static FormLooks looks;
  return looks;
}

void load_form_looks() {
  FormLooks& looks = form_looks();
  looks.background = GdiObject<HBRUSH>(CreateSolidBrush(kBackgroundColour));
  looks.check_box = GdiObject<HBRUSH>(CreateSolidBrush(kCheckBoxColour));
  looks.picture =
      GdiObject<HBITMAP>(load_background_picture(GetModuleHandleW(nullptr), IDR_BACKGROUND));
}

ScaledLooks looks_at(const FormGeometry& geometry) {
  const bool as_designed = geometry.picture_width == kPictureWidth;
  return {{GdiObject<HFONT>(create_font(L"Verdana", geometry.font_height)),
           GdiObject<HFONT>(create_font(L"Tahoma", geometry.font_height)),
           GdiObject<HFONT>(create_font(L"MS Sans Serif", geometry.font_height))},
          GdiObject<HBITMAP>(as_designed ? nullptr
                                         : scaled_picture(form_looks().picture.get(),
                                                          geometry.picture_width,
                                                          geometry.picture_height))};
}

}  // namespace tunelet::app
