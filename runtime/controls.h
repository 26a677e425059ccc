#pragma once

#include "runtime/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <functional>

// The standard controls of the window runtime, each placed in twips on its
// window. A put that does not change a value neither repaints nor relayouts,
// so polling timers stay cheap.
namespace rt {

using Handler = std::function<void()>;

// Shows a picture at its top-left; a smaller picture leaves the rest of the
// cell in the window's background.
class PictureCell : public QWidget {
 public:
  enum class Border { None, Single };
  PictureCell(QWidget* parent, const TwipsRect& place, const QPixmap& picture,
              Border border = Border::None);

  const QPixmap& Picture() const { return picture_; }
  // The cell shares the picture given; it copies no pixels.
  void setPicture(const QPixmap& picture);
  void onClick(Handler handler) { click_ = std::move(handler); }
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
  Handler click_;
  bool pressed_ = false;
};

class TextBox : public QLineEdit {
 public:
  TextBox(QWidget* parent, const TwipsRect& place, const QString& text = {});
  QString Text() const { return text(); }
  void setText(const QString& text);
};

class ScrollBar : public QScrollBar {
 public:
  ScrollBar(QWidget* parent, const TwipsRect& place, int min, int max, int value);
  int Value() const { return value(); }
  void setValue(int value) { QScrollBar::setValue(value); }
};

// A list whose choice is its selected item's text.
class ListBox : public QListWidget {
 public:
  ListBox(QWidget* parent, const TwipsRect& place, const QStringList& items);
  // The selected item's text; empty when none is selected.
  QString Text() const;
  // Selects the item of that text; a text that no item has changes nothing.
  // The click handler does not run.
  void setText(const QString& text);
  // Runs when the user selects an item by mouse or keyboard, also the one
  // already selected.
  void onClick(Handler handler) { click_ = std::move(handler); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Handler click_;
};

class CheckBox : public QCheckBox {
 public:
  CheckBox(QWidget* parent, const TwipsRect& place, const QString& caption);
  int Value() const { return isChecked() ? 1 : 0; }
  // Runs after the user's click has toggled the value.
  void onClick(Handler handler);
};

class Label : public QLabel {
 public:
  Label(QWidget* parent, const TwipsRect& place, const QString& caption);
  QString Caption() const { return text(); }
  void setCaption(const QString& caption);
  // For fixed captions that polling puts again and again: no text is made
  // while the caption stays.
  void setCaption(QLatin1String caption);
  // Grows or shrinks the label to its text, keeping its top-left.
  void sizeToText();
  void setTextColor(const QColor& color);
};

class CommandButton : public QPushButton {
 public:
  CommandButton(QWidget* parent, const TwipsRect& place, const QString& caption);
  void onClick(Handler handler);
};

// A straight line of one pixel from one point to another, in twips.
class Line : public QWidget {
 public:
  Line(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color);
};

}  // namespace rt
