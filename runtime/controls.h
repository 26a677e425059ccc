#pragma once

#include "runtime/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <functional>

// The standard controls of the window runtime, each placed in twips on its
// window. A put that does not change a value neither repaints nor relayouts,
// so polling timers stay cheap, and tells whether it changed the value, so
// that a polling handler can say so.
namespace rt {

using Handler = std::function<void()>;

// What every control that the user clicks has: one click handler. onClick
// sets it, replacing the one set before, on a picture cell, a list, a check
// box, a command button and a menu item alike.
class Clickable {
 public:
  void onClick(Handler handler) { click_ = std::move(handler); }

 protected:
  // Runs the click handler; false when there is none.
  bool runClick() const {
    if (!click_) return false;
    click_();
    return true;
  }

 private:
  Handler click_;
};

// Wakes the timers of the control's window: its value may have changed
// without an input event, and a polling tick may read it.
void wakeTimers(const QWidget& control);

// Paints the widget's background in the colour; an invalid colour leaves the
// system's own.
void fillBackground(QWidget& widget, const QColor& color);

// Shows a picture at its top-left; a smaller picture leaves the rest of the
// cell in the window's background.
class PictureCell : public QWidget, public Clickable {
 public:
  enum class Border { None, Single };
  PictureCell(QWidget* parent, const TwipsRect& place, const QPixmap& picture,
              Border border = Border::None);

  const QPixmap& Picture() const { return picture_; }
  // The cell shares the picture given; it copies no pixels.
  bool setPicture(const QPixmap& picture);
  // A click as the user's: runs the click handler if there is one.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int inset() const { return border_ == Border::Single ? 2 : 0; }

  QPixmap picture_;
  Border border_;
  bool pressed_ = false;
};

class TextBox : public QLineEdit {
 public:
  TextBox(QWidget* parent, const TwipsRect& place, const QString& text = {});
  QString Text() const { return text(); }
  bool setText(const QString& text);
};

class ScrollBar : public QScrollBar {
 public:
  ScrollBar(QWidget* parent, const TwipsRect& place, int min, int max, int value);
  int Value() const { return value(); }
  void setValue(int value) { QScrollBar::setValue(value); }
};

// A list of single choices as the user sees it: Click runs once for every
// change of the selection that the user makes (press, drag, keys, typing),
// never for one that changes nothing or that a handler makes, and no gesture
// takes the selection away once there is one.
class ChoiceList : public QListWidget, public Clickable {
 public:
  ChoiceList(QWidget* parent, const TwipsRect& place);
  // The selected item's text; empty when none is selected.
  QString Text() const;

 protected:
  // Selects the row as a handler does: no Click.
  void selectRow(int row);

  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void selectionChanged(const QItemSelection& selected,
                        const QItemSelection& deselected) override;

 private:
  bool quiet_ = false;
};

// A list whose choice is its selected item's text.
class ListBox : public ChoiceList {
 public:
  ListBox(QWidget* parent, const TwipsRect& place, const QStringList& items);
  // Selects the item of that text; a text that no item has changes nothing.
  // The click handler does not run.
  void setText(const QString& text);
};

// Its click handler runs after the user's click has toggled the value.
class CheckBox : public QCheckBox, public Clickable {
 public:
  CheckBox(QWidget* parent, const TwipsRect& place, const QString& caption);
  int Value() const { return isChecked() ? 1 : 0; }
};

class Label : public QLabel {
 public:
  Label(QWidget* parent, const TwipsRect& place, const QString& caption);
  QString Caption() const { return text(); }
  bool setCaption(const QString& caption);
  // For fixed captions that polling puts again and again: no text is made
  // while the caption stays.
  bool setCaption(QLatin1String caption);
  // Grows or shrinks the label to its text, keeping its top-left.
  void sizeToText();
  void setTextColor(const QColor& color);
};

class CommandButton : public QPushButton, public Clickable {
 public:
  CommandButton(QWidget* parent, const TwipsRect& place, const QString& caption);
};

// An item at the end of a menu; the user's choice of it is its click.
class MenuItem : public QAction, public Clickable {
 public:
  MenuItem(QMenu* menu, const QString& caption);
};

// A straight line of one pixel from one point to another, in twips.
class Line : public QWidget {
 public:
  Line(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color);
};

}  // namespace rt
