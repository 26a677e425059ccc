#include "palette/bank_windows.h"

#include "rom/window_access.h"

namespace palette {

namespace {

rt::WindowDesign bankWindow(const QString& caption) {
  return {caption, 11000, 10000, 0, 0, rt::WindowBorder::Sizable, QColor(128, 128, 128)};
}

}  // namespace

GBaseControls::GBaseControls(rt::Runtime& runtime)
    : rt::Window(runtime, bankWindow(QStringLiteral("GBase"))),
      G(client(), Bank::G),
      T(client(), Bank::T),
      M(client(), Bank::M) {}

GBase2Controls::GBase2Controls(rt::Runtime& runtime)
    : rt::Window(runtime, bankWindow(QStringLiteral("GBase2"))),
      V(client(), Bank::V),
      D(client(), Bank::D),
      C(client(), Bank::C) {}

GBase::GBase(rom::WindowAccess& windows) : GBaseControls(windows.runtime()) {}

GBase2::GBase2(rom::WindowAccess& windows) : GBase2Controls(windows.runtime()) {}

const PictureBank& pictureBank(rom::WindowAccess& windows, Bank bank) {
  switch (bank) {
    case Bank::G: return windows.GBase().G;
    case Bank::T: return windows.GBase().T;
    case Bank::M: return windows.GBase().M;
    case Bank::V: return windows.GBase2().V;
    case Bank::D: return windows.GBase2().D;
    case Bank::C: return windows.GBase2().C;
  }
  return windows.GBase().G;
}

}  // namespace palette
