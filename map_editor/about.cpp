#include "map_editor/about.h"

#include "assets/program_icon.h"
#include "rom/window_access.h"
#include "runtime/fonts.h"

namespace map_editor {

namespace {

const rt::WindowDesign kDesign{
    .caption = QStringLiteral("About... bla bla bla"),
    .clientWidth = 3345,
    .clientHeight = 4230,
    .left = 2055,
    .top = 2670,
    .border = rt::WindowBorder::Sizable,
    .background = QColor(),  // the system's own
};

enum class Style { Default, Title, Heading };

struct LabelDesign {
  rt::TwipsRect place;
  const char* text;
  Style style;
  bool sizesToText;
};

constexpr LabelDesign kLabel1{{720, 120, 1485, 360}, "Marrow Gate", Style::Title, true};
constexpr LabelDesign kLabel2{{960, 480, 975, 255}, "version 0.3", Style::Default, false};
constexpr LabelDesign kLabel3{{120, 840, 3255, 975},
                              "Thanks to all who mapped the game's screens and shared their "
                              "notes, and to everyone who tried the early versions.",
                              Style::Default,
                              false};
constexpr LabelDesign kLabel4{{2520, 1800, 510, 195}, "- the crew", Style::Default, true};
constexpr LabelDesign kLabel9{{720, 2160, 1950, 300}, "What's to come:", Style::Heading, true};
constexpr LabelDesign kLabel5{
    {800, 2520, 1800, 195}, "- Better Level Scrolling -", Style::Default, true};
constexpr LabelDesign kLabel6{
    {840, 2760, 1590, 195}, "- Music-Pointer Editor -", Style::Default, true};
constexpr LabelDesign kLabel7{
    {440, 3000, 2385, 195}, "- The Color Editor will be finished -", Style::Default, true};
constexpr LabelDesign kLabel8{{930, 3240, 1425, 195}, "- And MUCH more! -", Style::Default, true};

rt::Label* makeLabel(QWidget* parent, const LabelDesign& design) {
  auto* label = new rt::Label(parent, design.place, QString::fromUtf8(design.text));
  if (design.style == Style::Title) label->setFont(rt::designFont(13.5));
  if (design.style == Style::Heading) label->setFont(rt::designFont(12, true));
  if (design.sizesToText) {
    label->sizeToText();
  } else {
    label->setWordWrap(true);
  }
  return label;
}

}  // namespace

AboutControls::AboutControls(rt::Runtime& runtime) : rt::Window(runtime, kDesign) {
  setWindowIcon(assets::programIcon());
  Label1 = makeLabel(client(), kLabel1);
  Label2 = makeLabel(client(), kLabel2);
  Label3 = makeLabel(client(), kLabel3);
  Label4 = makeLabel(client(), kLabel4);
  Line1 = new rt::Line(client(), 0, 2040, 3480, 2040, QColor(Qt::black));
  Label9 = makeLabel(client(), kLabel9);
  Label5 = makeLabel(client(), kLabel5);
  Label6 = makeLabel(client(), kLabel6);
  Label7 = makeLabel(client(), kLabel7);
  Label8 = makeLabel(client(), kLabel8);
  Command1 =
      new rt::CommandButton(client(), {720, 3720, 1935, 375}, QStringLiteral("Yeah, Yeah..."));
}

About::About(rom::WindowAccess& windows) : AboutControls(windows.runtime()) {
  Command1->onClick([this] { Command1_Click(); });
}

void About::Command1_Click() { Hide(); }

}  // namespace map_editor
