// A seeded random session of user actions against one program, with system
// calls failing now and then. The actions reach the program as the user's
// do: input events, or the click entry points that those events call. After
// every action a small model of the ROM images says what must hold: every
// file byte for byte, no file created, one report for each failed access.
// Each session runs twice, with the sleeping timer driver and with one that
// always ticks, and finds both in the same state after every action.
#include "fixtures.h"

#include "editors/frm_colors.h"
#include "editors/frm_difficulty.h"
#include "map_editor/area_table.h"
#include "map_editor/frm_main.h"
#include "palette/graphix.h"

#include <QApplication>
#include <QDirIterator>
#include <QTest>

#include <charconv>
#include <cmath>
#include <deque>
#include <random>
#include <set>
#include <sstream>

namespace {

constexpr int kActionsPerSeed = 3000;
const char* const kSeedVariable = "MARROW_SESSION_SEED";

constexpr std::array<double, 3> kColourPositions{positions::kOutline, positions::kShirt,
                                                 positions::kSkin};
// The monsters' byte, then the hero's.
constexpr std::array<double, 2> kStrengthPositions{positions::kEnemy, positions::kSimon};
// The byte of each strength level 1..4.
constexpr std::array<std::uint8_t, 4> kEnemyBytes{8, 4, 1, 0};
constexpr std::array<std::uint8_t, 4> kSimonBytes{255, 155, 139, 0};

// The level whose byte it is; level 1 for a byte of no level.
int levelOf(const std::array<std::uint8_t, 4>& bytes, std::uint8_t byte) {
  for (int level = 1; level <= 4; ++level) {
    if (bytes[level - 1] == byte) return level;
  }
  return 1;
}

// The finite number that a screen address text holds, if any.
std::optional<double> numberIn(const QString& text) {
  std::string digits = text.trimmed().toStdString();
  if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
  double value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The ROM position of map cell `cell` of the screen at `address`: the rule
// is chosen by the address alone, halves go to the even position.
double romPosition(double address, int cell) {
  return std::nearbyint(address >= 129272 ? address + cell : address + cell - 65536);
}

QString canonical(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// A click on a list item as the user's: the list's choice runs only when it
// changes the selection.
void clickItem(QListWidget& list, int row) {
  list.scrollToItem(list.item(row));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(row)).center());
}

// Moves a bar to a value by keys, as the user may: Home, then single steps
// up, whose arrow key depends on which way the bar's controls turn.
void moveBar(rt::ScrollBar& bar, int value) {
  QTest::keyClick(&bar, Qt::Key_Home);
  const Qt::Key up = bar.invertedControls() ? Qt::Key_Left : Qt::Key_Right;
  for (int step = bar.minimum(); step < value; ++step) QTest::keyClick(&bar, up);
  EXPECT_EQ(bar.Value(), value);
}

}  // namespace

// One session on a program and files of its own.
class SessionRun {
 public:
  explicit SessionRun(rt::TimerHub::Driver driver);
  // Runs `count` actions of the session of `seed` and gives the state after
  // each; stops at the first action after which the world differs from the
  // model, or from the states of another run when given.
  std::vector<std::string> run(unsigned seed, int count,
                               const std::vector<std::string>* expected = nullptr);

 private:
  struct ModelFile {
    QByteArray bytes;
    bool writable = true;
  };
  struct Location {
    QString text;
    QString hostPath;  // empty: names nothing
  };
  struct Kind {
    const char* name;
    int weight;
    // Whether the user can do it while the modal colour dialog is open.
    bool besideModalColours;
    void (SessionRun::*act)();
  };
  static const std::vector<Kind> kKinds;

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  template <class T>
  const T& oneOf(const std::vector<T>& items) {
    return items[pick(static_cast<int>(items.size()))];
  }
  static char& at(ModelFile& file, double position) { return file.bytes[qsizetype(position) - 1]; }

  app::Program& program() { return *program_; }
  map_editor::frmMain& main() { return program().frmMain(); }
  palette::Graphix& palette() { return program().Graphix(); }

  void makeFiles();
  QString addFile(const QString& name, const QByteArray& bytes, bool writable = true);
  QByteArray perturbedImage();
  std::set<QString> listing() const;
  std::string mismatch();
  // What the windows show and hold, with the session's folder named alike in
  // every run.
  std::string state();

  enum class Use { Read, Write };
  // The model of one ROM access at `positions`: the file that it reads or
  // changes, or none and one report. A close that fails after a write
  // reports and leaves the bytes written.
  ModelFile* access(std::span<const double> positions, Use use);
  // The positions of map cells `first`.. of the screen at ScreenBase; none,
  // and one report, when that is no number.
  std::optional<std::vector<double>> cellPositions(int first, int count);
  void loadScreen(std::int16_t areaCode, const QString& screenBase);
  void writeCell(int cell);
  void openColours();
  void openDifficulty();
  void showHackerPro() {
    if (main().CheckPro->Value() == 0) toggleHackerPro();
  }
  void typeAddress(const QString& text);
  std::pair<QString, bool> typedAddress();

  // The actions.
  void choosePlace();
  void chooseLocation();
  void pressArrowOrLoad();
  void stepAddress();
  void goWithTypedText();
  void goAfterLeavingTheBox();
  void toggleHackerPro() { QTest::mouseClick(main().CheckPro, Qt::LeftButton); }
  void clickPalette();
  void clickMapCell();
  void saveColours();
  void saveDifficulty();
  void closeDialog();
  void typeRomLocation();
  void clickFileInTheList();
  // Every timer that may tick now, in the order of a round.
  std::vector<std::pair<const char*, rt::Timer*>> timers();
  // Ticks it when enabled and the driver is awake; the model follows as if
  // it ticked.
  void tick(rt::Timer& timer);
  void tickOneTimer();
  // Rounds in which every timer ticks in turn, as while the user waits.
  void waitAWhile();
  void breakACall();
  void mendTheCalls();

  rt::TimerHub::Driver driver_;
  RomFiles files_;
  std::shared_ptr<FaultyCalls> calls_ = std::make_shared<FaultyCalls>();
  std::vector<QString> reports_;
  std::unique_ptr<app::Program> program_;

  std::mt19937 rng_;
  std::string what_;
  std::map<QString, ModelFile> filesByPath_;
  std::vector<Location> locations_;
  std::set<QString> listing_;

  // The model.
  QString romPath_;
  // The call kind that fails now, every time.
  std::optional<FaultyCalls::Call> fault_;
  int reportsExpected_ = 0;
  // The screen that the map shows.
  std::int16_t shownAreaCode_ = 1;
  QString shownScreenBase_ = QStringLiteral("99496");
  bool loadPending_ = true;
  bool writePending_ = false;
  int cellIndex_ = 0;
  // The block hand-off: palette click, palette tick, main window tick.
  int clicked_ = 0;
  int selected_ = 0;
  std::optional<int> wxb_;
  int paintBit_ = 0;
  std::optional<std::array<int, 3>> colourBars_;
  // The hero's level, then the monsters'.
  std::optional<std::array<int, 2>> levels_;
  int writes_ = 0;
  // How many actions left the driver asleep.
  int asleep_ = 0;
};

const std::vector<SessionRun::Kind> SessionRun::kKinds{
    {"place", 4, false, &SessionRun::choosePlace},
    {"location", 4, false, &SessionRun::chooseLocation},
    {"arrow", 6, false, &SessionRun::pressArrowOrLoad},
    {"step", 6, false, &SessionRun::stepAddress},
    {"go", 4, false, &SessionRun::goWithTypedText},
    {"go after leaving", 1, false, &SessionRun::goAfterLeavingTheBox},
    {"hacker pro", 1, false, &SessionRun::toggleHackerPro},
    {"palette", 8, false, &SessionRun::clickPalette},
    {"map cell", 14, false, &SessionRun::clickMapCell},
    {"open colours", 1, false, &SessionRun::openColours},
    {"save colours", 2, true, &SessionRun::saveColours},
    {"close a dialog", 2, true, &SessionRun::closeDialog},
    {"open difficulty", 1, false, &SessionRun::openDifficulty},
    {"save difficulty", 2, false, &SessionRun::saveDifficulty},
    {"type location", 5, false, &SessionRun::typeRomLocation},
    {"file list", 1, false, &SessionRun::clickFileInTheList},
    {"tick", 40, true, &SessionRun::tickOneTimer},
    {"wait", 10, true, &SessionRun::waitAWhile},
    {"break a call", 1, true, &SessionRun::breakACall},
    {"mend the calls", 2, true, &SessionRun::mendTheCalls},
};

SessionRun::SessionRun(rt::TimerHub::Driver driver) : driver_(driver) {
  app::ProgramOptions options;
  options.clock = rt::TimerHub::Clock::Manual;
  options.driver = driver;
  options.desktopFolder = files_.path(QStringLiteral("Desktop"));
  options.reportHook = [this](const QString& message) { reports_.push_back(message); };
  options.onEnd = [] {};
  options.systemCalls = calls_;
  program_ = std::make_unique<app::Program>(options);
}

QByteArray SessionRun::perturbedImage() {
  QByteArray image = sample_rom::make();
  // Each file differs, so that a write into the wrong one shows.
  const std::vector<std::uint8_t> dialogBytes{0, 1, 4, 8, 33, 34, 139, 155, 255, 17, 100};
  for (const double position : {kColourPositions[0], kColourPositions[1], kColourPositions[2],
                                kStrengthPositions[0], kStrengthPositions[1]}) {
    image[qsizetype(position) - 1] = char(oneOf(dialogBytes));
  }
  for (int i = 0; i < 200; ++i) image[pick(image.size())] = char(pick(256));
  return image;
}

QString SessionRun::addFile(const QString& name, const QByteArray& bytes, bool writable) {
  const QString path = files_.write(name, bytes);
  if (!writable) RomFiles::makeReadOnly(path);
  filesByPath_[canonical(path)] = {bytes, writable};
  return path;
}

void SessionRun::makeFiles() {
  ASSERT_TRUE(QDir(files_.folder()).mkdir(QStringLiteral("Desktop")));
  const QString desktop = addFile(QStringLiteral("Desktop/castlevania2.nes"), perturbedImage());
  const QString a = addFile(QStringLiteral("a.nes"), perturbedImage());
  const QString b = addFile(QStringLiteral("b.nes"), perturbedImage());
  const QByteArray full = perturbedImage();
  // Too short for the upper screens, for the colours, for the hero's strength.
  const QString short1 = addFile(QStringLiteral("short1.nes"), full.left(40000));
  const QString short2 = addFile(QStringLiteral("short2.nes"), full.left(117441));
  const QString short3 = addFile(QStringLiteral("short3.nes"), full.left(19450));
  const QString empty = addFile(QStringLiteral("empty.nes"), {});
  const QString readOnly = addFile(QStringLiteral("ro.nes"), perturbedImage(), false);
  const QString missing = files_.path(QStringLiteral("missing.nes"));
  // Listed, but no location can name it.
  addFile(QStringLiteral("back\\slash.nes"), perturbedImage());
  QString backslashed = a;
  backslashed.replace('/', '\\');
  // The design location and another spelling of it name the desktop's file.
  locations_ = {{QStringLiteral("C:\\windows\\desktop\\castlevania2.nes"), desktop},
                {QStringLiteral("c:/WINDOWS/Desktop/castlevania2.nes"), desktop},
                {backslashed, a},
                {files_.folder(), files_.folder()},
                {QString(), QString()},
                {QStringLiteral("   "), QString()}};
  for (const QString& path : {a, b, short1, short2, short3, empty, readOnly, missing}) {
    locations_.push_back({path, path});
  }
  listing_ = listing();
}

std::set<QString> SessionRun::listing() const {
  std::set<QString> names;
  QDirIterator entries(files_.folder(),
                       QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
  while (entries.hasNext()) names.insert(entries.next());
  return names;
}

SessionRun::ModelFile* SessionRun::access(std::span<const double> positions, Use use) {
  const auto file = romPath_.isEmpty() ? filesByPath_.end() : filesByPath_.find(romPath_);
  // A folder or a missing file does not open.
  const bool opens = file != filesByPath_.end();
  bool fits = opens && file->second.writable;
  for (const double position : positions) {
    fits = fits && position >= 1 && position <= double(file->second.bytes.size());
  }
  bool broken = false;
  switch (fault_.value_or(FaultyCalls::kCalls)) {
    case FaultyCalls::Open: broken = !romPath_.isEmpty(); break;
    case FaultyCalls::Fstat:
    case FaultyCalls::Close: broken = opens; break;
    case FaultyCalls::Pread: broken = fits; break;
    case FaultyCalls::Pwrite:
    case FaultyCalls::Fdatasync: broken = fits && use == Use::Write; break;
    default: break;
  }
  if (fits && !broken) return &file->second;
  ++reportsExpected_;
  return fits && use == Use::Write && fault_ == FaultyCalls::Close ? &file->second : nullptr;
}

std::optional<std::vector<double>> SessionRun::cellPositions(int first, int count) {
  const auto address = numberIn(main().ScreenBase);
  if (!address) {
    ++reportsExpected_;
    return std::nullopt;
  }
  std::vector<double> positions;
  for (int cell = first; cell < first + count; ++cell) {
    positions.push_back(romPosition(*address, cell));
  }
  return positions;
}

void SessionRun::writeCell(int cell) {
  const auto positions = cellPositions(cell, 1);
  if (ModelFile* file = positions ? access(*positions, Use::Write) : nullptr) {
    at(*file, positions->front()) = char(paintBit_);
    ++writes_;
  }
}

void SessionRun::choosePlace() {
  static const std::vector<QString> places{
      "Town", "Trail 1", "Trail 2", "Mansions", "Camilla Cemetary", "Dracula's Tomb",
      "Vrad's Cemetary"};
  const QString place = oneOf(places);
  what_ = "place " + place.toStdString();
  rt::ListBox& list = *main().Place;
  const int row = list.row(list.findItems(place, Qt::MatchExactly).front());
  if (list.item(row)->isSelected()) what_ += " (already chosen)";
  else loadPending_ = true;
  clickItem(list, row);
}

void SessionRun::chooseLocation() {
  // The user clicks an item of the sub-list that is shown.
  for (rt::ListBox* list : {main().Location, main().Location2, main().Location4}) {
    if (list->isHidden()) continue;
    const int row = pick(list->count());
    what_ = "location " + list->item(row)->text().toStdString();
    if (list->item(row)->isSelected()) what_ += " (already chosen)";
    else loadPending_ = true;
    clickItem(*list, row);
    return;
  }
  what_ = "location: no list with items is shown";
}

void SessionRun::pressArrowOrLoad() {
  const std::vector<std::pair<rt::CommandButton*, const char*>> buttons{
      {main().Command1, "LOAD"}, {main().Command2, "up"}, {main().Command3, "down"},
      {main().Command4, "right"}, {main().Command5, "left"}};
  const auto& [button, name] = oneOf(buttons);
  what_ = name;
  QTest::mouseClick(button, Qt::LeftButton);
  loadPending_ = true;
}

void SessionRun::stepAddress() {
  showHackerPro();
  const std::vector<std::pair<rt::CommandButton*, double>> steps{
      {main().Command6, -56}, {main().Command9, -1}, {main().Command8, 1}, {main().Command7, 56}};
  const auto& [button, step] = oneOf(steps);
  const QString before = main().ScreenBase;
  what_ = "step " + std::to_string(int(step)) + " from " + before.toStdString();
  QTest::mouseClick(button, Qt::LeftButton);
  const auto from = numberIn(before);
  if (!from) {
    ++reportsExpected_;
    return;
  }
  loadPending_ = true;
  // The step stores a number again, the sum to the digits that text keeps.
  const auto to = numberIn(main().ScreenBase);
  EXPECT_TRUE(to && std::fabs(*to - (*from + step)) <= 1e-14 * std::fabs(*from + step))
      << what_ << " gave \"" << main().ScreenBase.toStdString() << '"';
}

std::pair<QString, bool> SessionRun::typedAddress() {
  static const std::vector<int> edges{0,      1,      65480,  65536,  65537,  65592,
                                      84931,  84932,  84979,  84995,  105481, 105482,
                                      129216, 129271, 129272, 262104, 262105, 262106};
  static const std::vector<QString> odd{
      " 99440 ", "+99440", "9.944e4", "099440", "-56", "1e300", "-1e300",
      "99999999999999999999", "1.7976931348623157e308"};
  static const std::vector<QString> noNumbers{"",  "abc", "12x", "99 440", "0x1F8F7", "1e",
                                              ".", "-",   "1,5", "1e400",  "inf",     "nan"};
  // Numbers near the screens, at the files' and the rules' edges, far out,
  // with fractions and in other forms; then text that is no number.
  const int whole = 98000 + pick(16000);
  switch (pick(6)) {
    case 0: return {QString::number(whole), true};
    case 1: return {QString::number(oneOf(edges) - pick(3)), true};
    case 2: return {QString::number(129200 + pick(400)), true};
    case 3: return {QStringLiteral("%1.%2").arg(whole).arg(oneOf<QString>({"5", "25"})), true};
    case 4: return {oneOf(odd), true};
    default: return {oneOf(noNumbers), false};
  }
}

void SessionRun::typeAddress(const QString& text) {
  showHackerPro();
  QApplication::setActiveWindow(&main());
  main().WhereAt->setFocus();
  EXPECT_TRUE(main().WhereAt->hasFocus());
  main().WhereAt->selectAll();
  // One key and a backspace also make an empty text typed.
  QTest::keyClicks(main().WhereAt, text.isEmpty() ? QStringLiteral("x") : text);
  if (text.isEmpty()) QTest::keyClick(main().WhereAt, Qt::Key_Backspace);
}

void SessionRun::goWithTypedText() {
  const auto [text, isNumber] = typedAddress();
  what_ = "GO with \"" + text.toStdString() + '"';
  typeAddress(text);
  // Polling goes on while the user types; it leaves the typed text alone.
  for (int tick = pick(3); tick > 0; --tick) {
    main().Constant.tick();
    if (wxb_) paintBit_ = *wxb_;
  }
  const QString before = main().ScreenBase;
  QTest::mouseClick(main().GO, Qt::LeftButton);
  if (isNumber) {
    EXPECT_EQ(main().ScreenBase, text) << what_;
    loadPending_ = true;
  } else {
    EXPECT_EQ(main().ScreenBase, before) << what_;
    ++reportsExpected_;
  }
}

void SessionRun::goAfterLeavingTheBox() {
  const bool types = chance(0.5);
  what_ = types ? "GO after typing and leaving the box" : "GO without typing";
  if (types) typeAddress(typedAddress().first);
  QApplication::setActiveWindow(&main());
  main().Command1->setFocus();
  const QString before = main().ScreenBase;
  QTest::mouseClick(main().GO, Qt::LeftButton);
  EXPECT_EQ(main().ScreenBase, before) << what_;
}

void SessionRun::clickPalette() {
  const int block = pick(0x45);
  what_ = "palette " + QString::number(block, 16).toStdString();
  // A hidden cell cannot be clicked; G44 has no handler.
  if (palette().G[block]->isHidden()) return;
  QTest::mouseClick(palette().G[block], Qt::LeftButton);
  if (block <= 0x43) clicked_ = block;
}

void SessionRun::clickMapCell() {
  const int cell = pick(8) == 0 ? 0 : pick(56);
  what_ = "map cell " + std::to_string(cell) + " at " + main().ScreenBase.toStdString();
  QTest::mouseClick(main().B[cell], Qt::LeftButton);
  if (cell == 0) {
    writeCell(0);
  } else {
    cellIndex_ = cell;
    writePending_ = true;
  }
}

void SessionRun::openColours() {
  what_ = "open colours";
  if (colourBars_) return;
  // The menu loads the dialog and shows it modally, which would hold the
  // session in its loop: the session loads it alone.
  program().frmColors();
  std::array<int, 3> bars{0, 0, 0};
  if (ModelFile* file = access(kColourPositions, Use::Read)) {
    for (int i = 0; i < 3; ++i) {
      const auto byte = std::uint8_t(at(*file, kColourPositions[i]));
      if (byte <= 33) bars[i] = byte;
    }
  }
  colourBars_ = bars;
}

void SessionRun::saveColours() {
  openColours();
  what_ = "save colours";
  editors::frmColors& dialog = program().frmColors();
  const std::array<rt::ScrollBar*, 3> bars{dialog.ScrollSimonOutline, dialog.ScrollSimonShirt,
                                           dialog.ScrollSimonSkin};
  for (int i = 0; i < 3; ++i) {
    if (chance(0.5)) moveBar(*bars[i], (*colourBars_)[i] = pick(34));
  }
  QTest::mouseClick(dialog.cmdSave, Qt::LeftButton);
  if (ModelFile* file = access(kColourPositions, Use::Write)) {
    for (int i = 0; i < 3; ++i) at(*file, kColourPositions[i]) = char((*colourBars_)[i]);
    ++writes_;
  }
}

void SessionRun::openDifficulty() {
  what_ = "open difficulty";
  main().mnuDifficulty->trigger();
  if (levels_) return;
  std::array<int, 2> levels{1, 1};
  if (ModelFile* file = access(kStrengthPositions, Use::Read)) {
    levels = {levelOf(kSimonBytes, std::uint8_t(at(*file, kStrengthPositions[1]))),
              levelOf(kEnemyBytes, std::uint8_t(at(*file, kStrengthPositions[0])))};
  }
  levels_ = levels;
}

void SessionRun::saveDifficulty() {
  openDifficulty();
  what_ = "save difficulty";
  editors::frmDifficulty& dialog = program().frmDifficulty();
  if (chance(0.5)) moveBar(*dialog.ScrollSimon, (*levels_)[0] = 1 + pick(4));
  if (chance(0.5)) moveBar(*dialog.ScrollEnemy, (*levels_)[1] = 1 + pick(4));
  QTest::mouseClick(dialog.cmdSave, Qt::LeftButton);
  if (ModelFile* file = access(kStrengthPositions, Use::Write)) {
    at(*file, kStrengthPositions[0]) = char(kEnemyBytes[(*levels_)[1] - 1]);
    at(*file, kStrengthPositions[1]) = char(kSimonBytes[(*levels_)[0] - 1]);
    ++writes_;
  }
}

void SessionRun::closeDialog() {
  // The modal colour dialog is the only one the user can reach while open.
  QWidget* dialog = nullptr;
  if (colourBars_) {
    what_ = "close colours";
    dialog = &program().frmColors();
    colourBars_.reset();
  } else if (levels_) {
    what_ = "close difficulty";
    dialog = &program().frmDifficulty();
    levels_.reset();
  }
  if (!dialog) return;
  // The close box, then the deferred delete that unloads the dialog.
  dialog->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SessionRun::typeRomLocation() {
  const Location& location = oneOf(locations_);
  what_ = "ROM location \"" + location.text.toStdString() + '"';
  rt::TextBox& box = *program().frmDestination().Destination;
  box.selectAll();
  if (location.text.isEmpty()) {
    QTest::keyClick(&box, Qt::Key_Delete);
  } else {
    QTest::keyClicks(&box, location.text);
  }
  EXPECT_EQ(box.Text(), location.text);
  romPath_ = location.hostPath.isEmpty() ? QString() : canonical(location.hostPath);
}

void SessionRun::clickFileInTheList() {
  rom::frmDestination& dialog = program().frmDestination();
  main().mnuDestination->trigger();
  // The user opens the desktop folder or the one above it, each reached from
  // the other; the file list follows at a tick.
  if (chance(0.5)) {
    rt::FolderList& folders = *dialog.Dir1;
    const QString target = canonical(chance(0.5) ? files_.folder() : files_.path("Desktop"));
    for (int row = 0; row < folders.count(); ++row) {
      if (canonical(folders.item(row)->data(Qt::UserRole).toString()) != target) continue;
      clickItem(folders, row);
      QTest::keyClick(folders.viewport(), Qt::Key_Return);
      EXPECT_EQ(canonical(folders.Path()), target);
      break;
    }
  }
  what_ = "file list in " + dialog.File1->Path().toStdString();
  if (dialog.File1->count() > 0) {
    const int row = pick(dialog.File1->count());
    const bool changes = !dialog.File1->item(row)->isSelected();
    clickItem(*dialog.File1, row);
    const QString name = dialog.File1->FileName();
    what_ += ": " + name.toStdString();
    if (!changes) {
      what_ += " (already chosen)";
    } else if (name.contains('\\')) {
      ++reportsExpected_;
    } else {
      romPath_ = canonical(dialog.File1->Path() + '/' + name);
    }
  }
  if (chance(0.5)) QTest::mouseClick(dialog.Command1, Qt::LeftButton);
}

std::vector<std::pair<const char*, rt::Timer*>> SessionRun::timers() {
  std::vector<std::pair<const char*, rt::Timer*>> timers{
      {"Graphix Change", &palette().Change},
      {"frmMain Constant", &main().Constant},
      {"frmMain LoadROM", &main().LoadROM},
      {"frmMain SaveToROM", &main().SaveToROM},
      {"Graphix Constant", &palette().Constant},
      {"frmDestination Timer1", &program().frmDestination().Timer1}};
  if (colourBars_) timers.push_back({"frmColors Constant", &program().frmColors().Constant});
  if (levels_) timers.push_back({"frmDifficulty Constant", &program().frmDifficulty().Constant});
  return timers;
}

void SessionRun::tickOneTimer() {
  const auto [name, timer] = oneOf(timers());
  what_ = std::string("tick ") + name;
  tick(*timer);
}

void SessionRun::waitAWhile() {
  const int rounds = 1 + pick(4);
  what_ = "wait " + std::to_string(rounds) + " rounds";
  for (int round = 0; round < rounds; ++round) {
    for (const auto& [name, timer] : timers()) tick(*timer);
  }
}

void SessionRun::tick(rt::Timer& ticked) {
  rt::Timer* const timer = &ticked;
  const std::int16_t areaCode = main().AreaCode;
  const QString screenBase = main().ScreenBase;
  timer->tick();
  if (timer == &main().Constant) {
    if (wxb_) paintBit_ = *wxb_;
  } else if (timer == &palette().Constant) {
    wxb_ = selected_;
    selected_ = clicked_;
  } else if (timer == &main().LoadROM && loadPending_) {
    loadScreen(areaCode, screenBase);
    loadPending_ = false;
  } else if (timer == &main().SaveToROM && writePending_) {
    what_ += " of cell " + std::to_string(cellIndex_) + " at " + main().ScreenBase.toStdString();
    writeCell(cellIndex_);
    writePending_ = false;
  }
}

void SessionRun::loadScreen(std::int16_t areaCode, const QString& screenBase) {
  const auto row = map_editor::screenAddressOf(areaCode);
  const auto address = row ? std::optional<double>(*row) : numberIn(screenBase);
  what_ += " at " + (row ? std::to_string(*row) : screenBase.toStdString());
  std::vector<double> positions;
  for (int cell = 0; address && cell < 56; ++cell) positions.push_back(romPosition(*address, cell));
  if (!address) ++reportsExpected_;
  if (address && access(positions, Use::Read)) {
    EXPECT_EQ(numberIn(main().ScreenBase), address) << what_;
    shownAreaCode_ = main().AreaCode;
    shownScreenBase_ = main().ScreenBase;
  } else {
    // The map still shows the screen loaded last.
    EXPECT_EQ(main().ScreenBase, shownScreenBase_) << what_;
    EXPECT_EQ(main().AreaCode, shownAreaCode_) << what_;
  }
}

void SessionRun::breakACall() {
  const auto call = FaultyCalls::Call(pick(FaultyCalls::kCalls));
  const bool counts = call == FaultyCalls::Pread || call == FaultyCalls::Pwrite;
  const int error = counts && chance(0.3) ? FaultyCalls::kNothing
                                          : oneOf<int>({EIO, ENOSPC, EINTR, EDQUOT});
  what_ = "every call " + std::to_string(call) + " fails with " + std::to_string(error);
  calls_->heal();
  calls_->failEvery(call, error);
  fault_ = call;
}

void SessionRun::mendTheCalls() {
  what_ = "the calls work again";
  calls_->heal();
  fault_.reset();
}

std::string SessionRun::mismatch() {
  std::ostringstream out;
  if (int(reports_.size()) != reportsExpected_) {
    out << reports_.size() << " reports, expected " << reportsExpected_
        << (reports_.empty() ? "" : "; last: " + reports_.back().toStdString()) << "\n";
  }
  for (const auto& [path, file] : filesByPath_) {
    const QByteArray bytes = RomFiles::read(path);
    if (bytes == file.bytes) continue;
    out << path.toStdString() << " differs";
    for (qsizetype i = 0; i < std::min(bytes.size(), file.bytes.size()); ++i) {
      if (bytes[i] != file.bytes[i]) {
        out << " first at ROM position " << i + 1 << ": " << int(std::uint8_t(bytes[i]))
            << ", expected " << int(std::uint8_t(file.bytes[i]));
        break;
      }
    }
    out << "\n";
  }
  if (listing() != listing_) out << "the temporary folder holds other entries\n";
  if (main().LoadROM.Enabled() != loadPending_) out << "LoadROM enabled: " << !loadPending_ << "\n";
  if (main().SaveToROM.Enabled() != writePending_)
    out << "SaveToROM enabled: " << !writePending_ << "\n";
  if (program().isLoaded<editors::frmColors>() != colourBars_.has_value()) {
    out << "colour dialog loaded differs\n";
  }
  if (program().isLoaded<editors::frmDifficulty>() != levels_.has_value())
    out << "difficulty dialog loaded differs\n";
  if (main().PaintBit != paintBit_)
    out << "PaintBit " << int(main().PaintBit) << ", expected " << paintBit_ << "\n";
  return out.str();
}

std::string SessionRun::state() {
  std::ostringstream out;
  // A picture is named by the first place that shows it, so that the names
  // agree between runs whose pictures are made anew.
  std::map<qint64, int> names;
  const auto picture = [&](const rt::PictureCell& cell) {
    const auto [place, made] = names.try_emplace(cell.Picture().cacheKey(), int(names.size()));
    out << place->second << ' ';
  };
  const auto text = [&](const QString& shown) {
    QString named = shown;
    QString backslashed = files_.folder();
    backslashed.replace('/', '\\');
    named.replace(files_.folder(), QStringLiteral("<folder>"));
    named.replace(backslashed, QStringLiteral("<folder>"));
    out << '"' << named.toStdString() << "\" ";
  };
  const auto timer = [&](const rt::Timer& each) { out << (each.Enabled() ? "on " : "off "); };

  palette::Graphix& shown = palette();
  out << "palette: ";
  for (const rt::PictureCell* cell : shown.G) {
    picture(*cell);
    out << (cell->isHidden() ? "hidden " : "");
  }
  out << shown.GLET->Value() << ' ';
  timer(shown.Change);
  out << "\nmain: ";
  for (const rt::PictureCell* cell : main().B) picture(*cell);
  picture(*main().Selected);
  picture(*main().PB);
  out << main().AreaCode << ' ' << int(main().PaintBit) << ' ' << int(main().CellIndex) << ' '
      << int(main().LoadedBit) << ' ' << main().GScroll->Value() << ' ' << main().CheckPro->Value()
      << ' ';
  for (const QString& each : {main().ScreenBase, main().WhereAt->Text(), main().WXB->Text()})
    text(each);
  for (const rt::ListBox* list : main().subLists()) {
    text(list->Text());
    out << (list->isHidden() ? "hidden " : "");
  }
  text(main().Place->Text());
  timer(main().LoadROM);
  timer(main().SaveToROM);
  rom::frmDestination& location = program().frmDestination();
  out << "\nlocation: ";
  for (const QString& each : {location.Destination->Text(), location.Dir1->Path(),
                              location.File1->Path(), location.File1->FileName()}) {
    text(each);
  }
  out << location.File1->count() << (location.isVisible() ? " shown" : "");
  if (program().isLoaded<editors::frmColors>()) {
    editors::frmColors& colours = program().frmColors();
    out << "\ncolours: " << colours.ScrollSimonOutline->Value() << ' '
        << colours.ScrollSimonShirt->Value() << ' ' << colours.ScrollSimonSkin->Value() << ' ';
    for (const rt::PictureCell* cell :
         {colours.ColorSimonOutline, colours.ColorSimonShirt, colours.ColorSimonSkin}) {
      picture(*cell);
    }
  }
  if (program().isLoaded<editors::frmDifficulty>()) {
    editors::frmDifficulty& levels = program().frmDifficulty();
    out << "\ndifficulty: " << levels.ScrollSimon->Value() << ' ' << levels.ScrollEnemy->Value()
        << ' ';
    text(levels.lblSimon->Caption());
    text(levels.lblEnemy->Caption());
  }
  out << "\nreports: " << reports_.size() << ' ';
  if (!reports_.empty()) text(reports_.back());
  return out.str();
}

std::vector<std::string> SessionRun::run(unsigned seed, int count,
                                         const std::vector<std::string>* expected) {
  rng_.seed(seed);
  makeFiles();
  program().Start();
  romPath_ = canonical(files_.path(QStringLiteral("Desktop/castlevania2.nes")));
  std::vector<std::string> states;
  std::deque<std::string> recent;
  for (int index = 0; index < count; ++index) {
    std::vector<const Kind*> usable;
    int total = 0;
    for (const Kind& kind : kKinds) {
      if (colourBars_ && !kind.besideModalColours) continue;
      usable.push_back(&kind);
      total += kind.weight;
    }
    int draw = pick(total);
    const Kind* kind = usable.front();
    for (const Kind* each : usable) {
      kind = each;
      if ((draw -= each->weight) < 0) break;
    }
    what_ = kind->name;
    (this->*kind->act)();
    recent.push_back(what_);
    if (recent.size() > 12) recent.pop_front();
    std::string wrong = mismatch();
    states.push_back(state());
    if (program().runtime().timers.asleep()) ++asleep_;
    if (expected && (index >= int(expected->size()) || (*expected)[index] != states.back())) {
      wrong += "the state differs from the other driver's:\n" + states.back() + "\nthere:\n" +
               (index < int(expected->size()) ? (*expected)[index] : std::string("none")) + "\n";
    }
    if (!wrong.empty() || ::testing::Test::HasFailure()) {
      std::ostringstream actions;
      for (const std::string& each : recent) actions << "  " << each << "\n";
      ADD_FAILURE() << "seed " << seed << ", action " << index << " (" << what_ << "):\n"
                    << wrong << "last actions:\n"
                    << actions.str() << "replay: " << kSeedVariable << '=' << seed
                    << " marrow_tests --gtest_filter=SessionRun.*";
      return states;
    }
  }
  // The session reached both roads, bytes written and failures reported,
  // and the sleeping driver slept.
  EXPECT_GT(writes_, 0);
  EXPECT_GT(reportsExpected_, 0);
  EXPECT_EQ(asleep_ > 0, driver_ == rt::TimerHub::Driver::Sleeping);
  return states;
}

namespace {

// The session with the sleeping driver, then with the one that always
// ticks, each held against the model and the second against the first.
void runBothDrivers(unsigned seed) {
  const auto sleeping = SessionRun(rt::TimerHub::Driver::Sleeping).run(seed, kActionsPerSeed);
  if (::testing::Test::HasFailure()) return;
  SessionRun(rt::TimerHub::Driver::AlwaysTicking).run(seed, kActionsPerSeed, &sleeping);
}

}  // namespace

class Session : public ::testing::TestWithParam<unsigned> {};

TEST_P(Session, EveryFileMatchesTheModelAndBothDriversAgreeAfterEveryAction) {
  runBothDrivers(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Seeds, Session, ::testing::Range(1u, 9u));

TEST(SessionRun, ReplaysTheSeedNamedInTheEnvironment) {
  const QByteArray seed = qgetenv(kSeedVariable);
  if (seed.isEmpty()) GTEST_SKIP() << "set " << kSeedVariable << " to replay a seed";
  runBothDrivers(seed.toUInt());
}
