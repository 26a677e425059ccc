#include "rom/frm_destination.h"

#include "assets/program_icon.h"
#include "rom/host_path.h"
#include "rom/window_access.h"
#include "runtime/fonts.h"
#include "runtime/reports.h"

namespace rom {

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Enter ROM's Location"),
    .clientWidth = 4095,
    .clientHeight = 3780,
    .left = 2400,
    .top = 2400,
    .border = rt::WindowBorder::Sizable,
    .background = QColor(128, 128, 128),
};

}  // namespace

frmDestinationControls::frmDestinationControls(rt::Runtime& runtime)
    : rt::Window(runtime, kDesign),
      Destination(new rt::TextBox(client(), {120, 120, 3855, 285},
                                  QStringLiteral("C:\\windows\\desktop\\castlevania2.nes"))),
      Dir1(new rt::FolderList(client(), {120, 480, 3855, 1665})),
      File1(new rt::FileList(client(), {120, 2200, 3855, 870}, QStringLiteral("*.NES"))),
      Drive1(new rt::DriveList(client(), {120, 3000, 2055, 315})),
      Command1(new rt::CommandButton(client(), {2160, 3000, 1815, 375}, QStringLiteral("OK"))),
      Label1(new rt::Label(client(), {120, 3400, 930, 240}, QStringLiteral("Warning:"))),
      Label2(new rt::Label(client(), {1080, 3440, 2730, 195},
                           QStringLiteral("The editor SAVES as it edits the ROM."))),
      Destin(new rt::TextBox(client(), {120, 3360, 2295, 285})),
      FileName(new rt::TextBox(client(), {2400, 3360, 1575, 285})),
      Timer1(runtime.timers, 1, true) {
  setWindowIcon(assets::programIcon());
  Drive1->setEnabled(false);
  Label1->setTextColor(QColor(192, 0, 0));
  Label1->setFont(rt::designFont(9.75, true));
  Destin->hide();
  FileName->hide();
  setTabOrder(Destination, Command1);
  setTabOrder(Command1, Drive1);
  setTabOrder(Drive1, Dir1);
  setTabOrder(Dir1, File1);
}

frmDestination::frmDestination(WindowAccess& windows)
    : frmDestinationControls(windows.runtime()), windows_(windows) {
  Timer1.onPoll([this] { return Timer1_Timer(); });
  File1->onClick([this] { File1_Click(); });
  Command1->onClick([this] { Command1_Click(); });
}

void frmDestination::Form_Load() {
  Dir1->setPath(rom::hostPath(QStringLiteral("c:\\windows\\desktop\\"), windows_.desktopFolder()));
}

bool frmDestination::Timer1_Timer() { return File1->setPath(Dir1->Path()); }

void frmDestination::File1_Click() {
  // A "\" in a location separates folders: the location of such a file would
  // name another one.
  const QString file = File1->Path() + '/' + File1->FileName();
  if (file.contains('\\')) {
    windows_.reports().report(
        QStringLiteral("This file cannot be the ROM image.\n\nFile: %1\nReason: its path holds a "
                       "\"\\\", which a ROM location reads as a folder separator. The ROM "
                       "location stays as it was.")
            .arg(file));
    return;
  }
  FileName->setText(File1->FileName());
  Destin->setText(File1->Path());
  Destination->setText(Destin->Text() + '\\' + FileName->Text());
}

void frmDestination::Command1_Click() {
  Hide();
  windows_.mainWindow().Show();
}

}  // namespace rom
