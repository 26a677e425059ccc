#include "map_editor/about.h"

#include "assets/program_icon.h"
#include "fixtures.h"
#include "runtime/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

namespace {

struct Placed {
  const char* name;
  rt::Label* map_editor::About::*label;
  QString text;
  QPoint place;  // pixels
};

// The labels that size themselves, and where their top-left stays; the
// signature's wording is ours to change.
const Placed kSelfSizing[] = {
    {"Label1", &map_editor::About::Label1, "Marrow Gate", {48, 8}},
    {"Label4", &map_editor::About::Label4, {}, {168, 120}},
    {"Label9", &map_editor::About::Label9, "What's to come:", {48, 144}},
    {"Label5", &map_editor::About::Label5, "- Better Level Scrolling -", {53, 168}},
    {"Label6", &map_editor::About::Label6, "- Music-Pointer Editor -", {56, 184}},
    {"Label7", &map_editor::About::Label7, "- The Color Editor will be finished -", {29, 200}},
    {"Label8", &map_editor::About::Label8, "- And MUCH more! -", {62, 216}},
};

QImage iconImage(const QIcon& icon) {
  return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class AboutTest : public ProgramTest {
 protected:
  map_editor::About& about() { return program().About(); }

  // What the user sees of the window: every control's text and place.
  QStringList content() {
    QStringList seen{about().windowTitle()};
    for (const QWidget* control : about().client()->findChildren<QWidget*>()) {
      QString text;
      if (const auto* label = qobject_cast<const QLabel*>(control)) text = label->text();
      if (const auto* button = qobject_cast<const QPushButton*>(control)) text = button->text();
      const QRect r = control->geometry();
      seen << QStringLiteral("%1 %2,%3 %4x%5 %6")
                  .arg(text)
                  .arg(r.x())
                  .arg(r.y())
                  .arg(r.width())
                  .arg(r.height())
                  .arg(control->isVisible());
    }
    return seen;
  }

  int shownAboutWindows() const {
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (dynamic_cast<map_editor::About*>(window) && window->isVisible()) ++shown;
    }
    return shown;
  }
};

TEST_F(AboutTest, DesignValues) {
  EXPECT_EQ(about().windowTitle(), "About... bla bla bla");
  EXPECT_EQ(about().client()->size(), QSize(223, 282));
  EXPECT_EQ(about().pos(), QPoint(137, 178));
  EXPECT_LT(about().minimumWidth(), about().maximumWidth()) << "sizable";
  EXPECT_FALSE(about().isVisible()) << "access alone does not show it";
  EXPECT_EQ(iconImage(about().windowIcon()),
            assets::programIconImage().convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(about().Command1->text(), "Yeah, Yeah...");
  EXPECT_EQ(about().Command1->geometry(), QRect(48, 248, 129, 25));
  EXPECT_EQ(about().Line1->geometry(), QRect(0, 136, 233, 1)) << "the rule across the window";
  EXPECT_EQ(about().Label2->text(), "version 0.3");
  EXPECT_EQ(about().Label2->geometry(), QRect(64, 32, 65, 17));
  EXPECT_EQ(about().Label3->geometry(), QRect(8, 56, 217, 65));
}

TEST_F(AboutTest, TheThanksParagraphWrapsWithinItsBox) {
  const rt::Label& thanks = *about().Label3;
  ASSERT_FALSE(thanks.text().isEmpty());
  EXPECT_TRUE(thanks.wordWrap());
  const int needed = thanks.heightForWidth(thanks.width());
  EXPECT_GT(needed, thanks.fontMetrics().height()) << "more than one line";
  EXPECT_LE(needed, thanks.height()) << "no line cut off below";
}

TEST_F(AboutTest, SelfSizingLabelsFitTheirTextAndStayInTheWindow) {
  for (const Placed& p : kSelfSizing) {
    SCOPED_TRACE(p.name);
    const rt::Label& label = *(about().*p.label);
    if (!p.text.isEmpty()) {
      EXPECT_EQ(label.text(), p.text);
    }
    ASSERT_FALSE(label.text().isEmpty());
    EXPECT_EQ(label.pos(), p.place);
    EXPECT_EQ(label.size(), label.sizeHint());
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
    EXPECT_LE(label.geometry().right(), about().client()->width() - 1);
  }
}

TEST_F(AboutTest, TheTitleAndTheHeadingHaveTheirFontsInASansSerif) {
  const QFont title = about().Label1->font();
  EXPECT_EQ(title, rt::designFont(13.5));
  EXPECT_EQ(title.weight(), QFont::Normal);
  const QFont heading = about().Label9->font();
  EXPECT_EQ(heading, rt::designFont(12, true));
  EXPECT_TRUE(heading.bold());
  EXPECT_GT(title.pointSizeF(), heading.pointSizeF());
  EXPECT_EQ(about().Label2->font(), rt::designFont()) << "the design font";
  for (const QFont& font : {title, heading, about().Label2->font()}) {
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "MS Sans Serif" || family == "Liberation Sans" || family == "DejaVu Sans")
        << family.toStdString();
  }
}

TEST_F(AboutTest, ShowingItTwiceGivesOneWindow) {
  map_editor::About* first = &about();
  program().About().Show();
  program().About().Show();
  EXPECT_EQ(&program().About(), first);
  EXPECT_EQ(shownAboutWindows(), 1);
}

TEST_F(AboutTest, YeahYeahHidesItAndTheNextShowHasTheSameContent) {
  about().Show();
  const QStringList before = content();
  QTest::mouseClick(about().Command1, Qt::LeftButton);
  EXPECT_FALSE(about().isVisible());
  EXPECT_TRUE(program().isLoaded<map_editor::About>());
  program().About().Show();
  EXPECT_TRUE(about().isVisible());
  EXPECT_EQ(content(), before);
}

TEST_F(AboutTest, ClosingByTheFrameOnlyHidesIt) {
  map_editor::About* shown = &about();
  shown->Show();
  const QStringList before = content();
  EXPECT_TRUE(shown->close());
  EXPECT_FALSE(shown->isVisible());
  EXPECT_TRUE(program().isLoaded<map_editor::About>());
  EXPECT_EQ(&program().About(), shown);
  program().About().Show();
  EXPECT_EQ(content(), before);
}

TEST_F(AboutTest, TheRomLocationDialogCarriesTheProgramIconToo) {
  EXPECT_EQ(iconImage(program().frmDestination().windowIcon()),
            assets::programIconImage().convertToFormat(QImage::Format_ARGB32));
}
