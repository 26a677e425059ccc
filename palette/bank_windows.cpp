#include "palette/bank_windows.h"

#include "rom/window_access.h"

#include <algorithm>

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
  const auto banks = bankDesign(bank).window == BankWindow::GBase ? windows.GBase().banks()
                                                                  : windows.GBase2().banks();
  return **std::find_if(banks.begin(), banks.end(),
                        [bank](const PictureBank* each) { return each->bank() == bank; });
}

}  // namespace palette
