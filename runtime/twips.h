#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window and control geometry is given in twips, 15 to a pixel.
namespace rt {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

// Left, top, width and height in twips.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

inline QRect toPixels(const TwipsRect& r) {
  return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

}  // namespace rt
