#pragma once

#include "palette/picture_banks.h"
#include "runtime/window.h"

#include <array>

namespace rom {
class WindowAccess;
}  // namespace rom

namespace palette {

// The two windows that hold the picture banks; they have no handlers and are
// never shown.
class GBaseControls : public rt::Window {
 public:
  explicit GBaseControls(rt::Runtime& runtime);
  PictureBank G;
  PictureBank T;
  PictureBank M;
  std::array<const PictureBank*, 3> banks() const { return {&G, &T, &M}; }
};

class GBase2Controls : public rt::Window {
 public:
  explicit GBase2Controls(rt::Runtime& runtime);
  PictureBank V;
  PictureBank D;
  PictureBank C;
  std::array<const PictureBank*, 3> banks() const { return {&V, &D, &C}; }
};

class GBase : public GBaseControls {
 public:
  explicit GBase(rom::WindowAccess& windows);
  void Form_Load() {}
};

class GBase2 : public GBase2Controls {
 public:
  explicit GBase2(rom::WindowAccess& windows);
  void Form_Load() {}
};

// The bank's members, creating its window at the first use.
const PictureBank& pictureBank(rom::WindowAccess& windows, Bank bank);

}  // namespace palette
