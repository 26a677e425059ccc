#include "map_editor/frm_main.h"

#include "assets/about_picture.h"
#include "assets/block_pictures.h"
#include "assets/program_icon.h"
#include "palette/graphix_controls.h"
#include "rom/window_access.h"

#include <algorithm>

namespace map_editor {

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("Castlevania 2 - Marrow Gate"),
    .clientWidth = 4140,
    .clientHeight = 6105,
    .left = 1770,
    .top = 2280,
    .border = rt::WindowBorder::FixedSingle,
    .background = QColor(128, 128, 128),
    .menuBar = true,
};

QPixmap lightBlue() {
  QPixmap picture(32, 32);
  picture.fill(QColor(111, 143, 255));
  return picture;
}

rt::TwipsRect mapCellPlace(int cell) {
  return {120 + 480 * (cell % 8), 120 + 480 * (cell / 8), 480, 480};
}

constexpr rt::TwipsRect kSubListPlace{120, 3600, 1575, 645};

// A list's items are the texts of its table's rows, in their order.
template <class Row, std::size_t N>
QStringList itemsOf(const std::array<Row, N>& rows, const char* Row::*text) {
  QStringList items;
  for (const Row& row : rows) items << QString::fromUtf8(row.*text);
  return items;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name));
  return menu;
}

rt::MenuItem* addItem(QMenu* menu, const char* name, const QString& caption) {
  auto* item = new rt::MenuItem(menu, caption);
  item->setObjectName(QLatin1String(name));
  return item;
}

}  // namespace

frmMainControls::frmMainControls(rt::Runtime& runtime)
    : rt::Window(runtime, kDesign),
      Selected(new rt::PictureCell(
          client(), {1800, 3600, 540, 540},
          QPixmap::fromImage(assets::blockPicture(assets::PictureSet::Town, 0, 32)),
          rt::PictureCell::Border::Single)),
      Location(new rt::ListBox(client(), kSubListPlace,
                               itemsOf(kTownLocations, &LocationRow::item))),
      Location2(new rt::ListBox(client(), kSubListPlace,
                                itemsOf(kTrailLocations, &LocationRow::item))),
      Location3(new rt::ListBox(client(), kSubListPlace, {})),
      Location4(new rt::ListBox(client(), kSubListPlace,
                                itemsOf(kMansionLocations, &LocationRow::item))),
      Location5(new rt::ListBox(client(), kSubListPlace, {})),
      Location6(new rt::ListBox(client(), kSubListPlace, {})),
      Location7(new rt::ListBox(client(), kSubListPlace, {})),
      Place(new rt::ListBox(client(), {120, 4245, 1575, 645}, itemsOf(kPlaces, &PlaceRow::place))),
      Command1(new rt::CommandButton(client(), {120, 4920, 1575, 375}, QStringLiteral("LOAD"))),
      Command2(new rt::CommandButton(client(), {2760, 3600, 855, 300}, QStringLiteral("/\\"))),
      Command3(new rt::CommandButton(client(), {2760, 3915, 855, 300}, QStringLiteral("\\/"))),
      Command5(new rt::CommandButton(client(), {2400, 3600, 375, 615}, QStringLiteral("<"))),
      Command4(new rt::CommandButton(client(), {3600, 3600, 375, 615}, QStringLiteral(">"))),
      Label1(new rt::Label(client(), {1800, 4440, 615, 435}, QStringLiteral("Hacker Pro:"))),
      CheckPro(new rt::CheckBox(client(), {2130, 4635, 200, 195}, QStringLiteral("Check1"))),
      Command6(new rt::CommandButton(client(), {120, 5400, 255, 615}, QStringLiteral("<"))),
      Command9(new rt::CommandButton(client(), {360, 5400, 255, 615}, QStringLiteral("-"))),
      WhereAt(new rt::TextBox(client(), {600, 5400, 855, 285})),
      GO(new rt::CommandButton(client(), {600, 5640, 855, 375}, QStringLiteral("GO !"))),
      Command8(new rt::CommandButton(client(), {1440, 5400, 255, 615}, QStringLiteral("-"))),
      Command7(new rt::CommandButton(client(), {1680, 5400, 255, 615}, QStringLiteral(">"))),
      Image1(new rt::PictureCell(client(), {2640, 4320, 1335, 1170},
                                 QPixmap::fromImage(assets::aboutPicture()))),
      Label2(new rt::Label(client(), {2565, 5520, 1605, 435},
                           QStringLiteral("Editor may not show true Game-play colors."))),
      WXB(new rt::TextBox(client(), {1800, 5520, 855, 285})),
      GScroll(new rt::ScrollBar(client(), {1800, 5760, 615, 255}, 1, 7, 1)),
      PB(new rt::PictureCell(client(), {1920, 5040, 480, 480}, QPixmap())),
      Constant(runtime.timers, 1, true),
      LoadROM(runtime.timers, 1, false),
      SaveToROM(runtime.timers, 1, false) {
  setWindowIcon(assets::programIcon());
  buildMap();
  buildMenus();
  fitClient();
  for (QWidget* hidden : std::initializer_list<QWidget*>{
           Location3, Location4, Location5, Location6, Command6, Command9, WhereAt, GO, Command8,
           Command7, WXB, GScroll, PB}) {
    hidden->hide();
  }
  Label1->setWordWrap(true);
  Label2->setWordWrap(true);
}

void frmMainControls::buildMap() {
  const QPixmap start = lightBlue();
  for (int cell = 0; cell < static_cast<int>(B.size()); ++cell) {
    B[cell] = new rt::PictureCell(client(), mapCellPlace(cell), start);
  }
  PB->setPicture(start);
  // Lines lie over the cells: the frame in black, the cell borders in light
  // grey.
  const QColor grid(224, 224, 224);
  for (int y = 600; y <= 3000; y += 480) new rt::Line(client(), 120, y, 3960, y, grid);
  for (int x = 600; x <= 3480; x += 480) new rt::Line(client(), x, 120, x, 3480, grid);
  new rt::Line(client(), 120, 120, 120, 3480, Qt::black);
  new rt::Line(client(), 120, 120, 3960, 120, Qt::black);
  new rt::Line(client(), 3960, 120, 3960, 3480, Qt::black);
  new rt::Line(client(), 120, 3480, 3960, 3480, Qt::black);
}

void frmMainControls::buildMenus() {
  QMenuBar* bar = windowMenuBar();
  mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&File"));
  mnuDestination = addItem(mnuFile, "mnuDestination", QStringLiteral("&Destination"));
  mnuSplit1 = mnuFile->addSeparator();
  mnuSplit1->setObjectName(QStringLiteral("mnuSplit1"));
  mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("E&Xit"));
  mnuEdit = addMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
  mnuDifficulty = addItem(mnuEdit, "mnuDifficulty", QStringLiteral("&Difficulty"));
  mnuColors = addItem(mnuEdit, "mnuColors", QStringLiteral("&Colors"));
  mnuView = addMenu(bar, "mnuView", QStringLiteral("&View"));
  mnuRivaruDaro = addItem(mnuView, "mnuRivaruDaro", QStringLiteral("&Rivaru Daro"));
}

frmMain::frmMain(rom::WindowAccess& windows)
    : frmMainControls(windows.runtime()), windows_(windows) {
  onCloseBox([this] { Form_Unload(); });
  Place->onClick([this] { Place_Click(); });
  Location->onClick([this] { Location_Click(); });
  Location2->onClick([this] { Location2_Click(); });
  Location4->onClick([this] { Location4_Click(); });
  for (int cell = 0; cell < static_cast<int>(B.size()); ++cell) {
    B[cell]->onClick([this, cell] { B_Click(cell); });
  }
  LoadROM.onTick([this] { LoadROM_Timer(); });
  SaveToROM.onTick([this] { SaveToROM_Timer(); });
  Constant.onPoll([this] { return Constant_Timer(); });
  wireNavigation();
  wireMenus();
}

void frmMain::Form_Load() {
  // A selection made here runs its list's choice as a click would.
  Location->setText(QStringLiteral("Outside"));
  Location_Click();
  Location2->setText(QStringLiteral("Path 1"));
  Location2_Click();
  Place->setText(QStringLiteral("Town"));
  Place_Click();
  AreaCode = 1;
  ScreenBase = QStringLiteral("99496");
  shownAreaCode_ = AreaCode;
  shownScreenBase_ = ScreenBase;
  windows_.Graphix().Show();
}

void frmMain::Form_Unload() {
  // No edit is lost: a pending cell write goes into the file first, and when
  // it fails the user reads its report before the program goes.
  const bool written = !SaveToROM.Enabled() || writeCell(CellIndex);
  SaveToROM.setEnabled(false);
  using Ending = rom::WindowAccess::Ending;
  windows_.End(written ? Ending::Now : Ending::AfterTheReport);
}

void frmMain::requestPictureSetLoad() { windows_.Graphix().Change.setEnabled(true); }

void frmMain::Place_Click() {
  palette::GraphixControls& palette = windows_.Graphix();
  for (const int cell : kHideableCells) palette.G[cell]->setVisible(true);

  Location->setText(QStringLiteral("Outside"));
  Location2->setText(QStringLiteral("Path 1"));
  for (rt::ListBox* list : subLists()) {
    list->setVisible(false);
    if (list == Location4) Location4->setText(QStringLiteral("Mansion 1"));
  }

  const QString chosen = Place->Text();
  const auto row = std::find_if(kPlaces.begin(), kPlaces.end(),
                                [&](const PlaceRow& place) { return chosen == place.place; });
  if (row != kPlaces.end()) {
    AreaCode = row->areaCode;
    GScroll->setValue(row->pictureSet);
    LoadROM.setEnabled(true);
    subLists()[row->subList - 1]->setVisible(true);
    for (int i = 0; i < row->hiddenCount; ++i) palette.G[row->hiddenCells[i]]->setVisible(false);
  }
  requestPictureSetLoad();
}

void frmMain::chooseLocation(const rt::ListBox& list, std::span<const LocationRow> rows) {
  const QString chosen = list.Text();
  const auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const LocationRow& location) { return chosen == location.item; });
  if (row == rows.end()) return;
  AreaCode = row->areaCode;
  LoadROM.setEnabled(true);
}

void frmMain::Location_Click() { chooseLocation(*Location, kTownLocations); }

void frmMain::Location2_Click() {
  chooseLocation(*Location2, kTrailLocations);
  requestPictureSetLoad();
}

void frmMain::Location4_Click() { chooseLocation(*Location4, kMansionLocations); }

}  // namespace map_editor
