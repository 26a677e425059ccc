#include "editors/frm_difficulty.h"

#include "app/window_access.h"

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Difficulty"),
    .clientWidth = 1935,
    .clientHeight = 2730,
    .left = 2835,
    .top = 3180,
    .border = rt::Border::Sizable,
    .background = QColor(0x40, 0x40, 0x40),
};

}  // namespace

frmDifficultyControls::frmDifficultyControls(rt::Runtime& runtime)
    : rt::Window(runtime, kDesign) {}

frmDifficulty::frmDifficulty(WindowAccess& windows)
    : frmDifficultyControls(windows.runtime()), windows_(windows) {}

void frmDifficulty::Form_Load() {}
