#include "runtime/controls.h"

#include "runtime/window.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace rt {

namespace {

void place(QWidget* widget, const TwipsRect& rect) { widget->setGeometry(toPixels(rect)); }

}  // namespace

void wakeTimers(const QWidget& control) {
  if (auto* window = dynamic_cast<Window*>(control.window())) window->runtime().timers.wake();
}

void fillBackground(QWidget& widget, const QColor& color) {
  if (!color.isValid()) return;
  widget.setAutoFillBackground(true);
  QPalette colors = widget.palette();
  colors.setColor(QPalette::Window, color);
  widget.setPalette(colors);
}

PictureCell::PictureCell(QWidget* parent, const TwipsRect& place, const QPixmap& picture,
                         Border border)
    : QWidget(parent), picture_(picture), border_(border) {
  rt::place(this, place);
}

bool PictureCell::setPicture(const QPixmap& picture) {
  if (picture.cacheKey() == picture_.cacheKey()) return false;
  picture_ = picture;
  update();
  return true;
}

void PictureCell::Click() {
  if (runClick()) wakeTimers(*this);
}

void PictureCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (border_ == Border::Single) {
    // A sunken edge of two pixels, as a bordered picture box has.
    const QRect r = rect();
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(QColor(212, 208, 200));
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    painter.setClipRect(r.adjusted(inset(), inset(), -inset(), -inset()));
  }
  painter.drawPixmap(inset(), inset(), picture_);
}

void PictureCell::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void PictureCell::mouseReleaseEvent(QMouseEvent* event) {
  const bool clicked = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
  pressed_ = false;
  if (clicked) Click();
}

TextBox::TextBox(QWidget* parent, const TwipsRect& place, const QString& text)
    : QLineEdit(text, parent) {
  rt::place(this, place);
  connect(this, &QLineEdit::textChanged, this, [this] { wakeTimers(*this); });
}

bool TextBox::setText(const QString& text) {
  if (text == QLineEdit::text()) return false;
  QLineEdit::setText(text);
  return true;
}

ScrollBar::ScrollBar(QWidget* parent, const TwipsRect& place, int min, int max, int value)
    : QScrollBar(Qt::Horizontal, parent) {
  rt::place(this, place);
  setRange(min, max);
  setPageStep(1);
  QScrollBar::setValue(value);
  // A bar held on its arrow moves by itself, without an input event.
  connect(this, &QScrollBar::valueChanged, this, [this] { wakeTimers(*this); });
}

ChoiceList::ChoiceList(QWidget* parent, const TwipsRect& place) : QListWidget(parent) {
  rt::place(this, place);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

QString ChoiceList::Text() const {
  const QList<QListWidgetItem*> chosen = selectedItems();
  return chosen.isEmpty() ? QString() : chosen.front()->text();
}

void ChoiceList::selectRow(int row) {
  const bool wasQuiet = std::exchange(quiet_, true);
  setCurrentRow(row);
  quiet_ = wasQuiet;
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
  // Ctrl+click or Ctrl+Space on the selected item, or a press beside the
  // items, would leave the list without a choice: they change nothing.
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (!index.isValid() || command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    return QItemSelectionModel::NoUpdate;
  }
  return command;
}

void ChoiceList::selectionChanged(const QItemSelection& selected,
                                  const QItemSelection& deselected) {
  QListWidget::selectionChanged(selected, deselected);
  // Qt tells only real changes, whichever way the user made them.
  if (!quiet_ && !selected.isEmpty()) runClick();
}

ListBox::ListBox(QWidget* parent, const TwipsRect& place, const QStringList& items)
    : ChoiceList(parent, place) {
  addItems(items);
  // Items wider than the list are cut off, as in a plain list box.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListBox::setText(const QString& text) {
  for (int row = 0; row < count(); ++row) {
    if (item(row)->text() == text) {
      selectRow(row);
      return;
    }
  }
}

CheckBox::CheckBox(QWidget* parent, const TwipsRect& place, const QString& caption)
    : QCheckBox(caption, parent) {
  rt::place(this, place);
  connect(this, &QCheckBox::clicked, this, [this] { runClick(); });
}

Label::Label(QWidget* parent, const TwipsRect& place, const QString& caption)
    : QLabel(caption, parent) {
  rt::place(this, place);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool Label::setCaption(const QString& caption) {
  if (caption == text()) return false;
  setText(caption);
  return true;
}

bool Label::setCaption(QLatin1String caption) {
  if (text() == caption) return false;
  setText(caption);
  return true;
}

void Label::sizeToText() { resize(sizeHint()); }

void Label::setTextColor(const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, color);
  setPalette(colors);
}

CommandButton::CommandButton(QWidget* parent, const TwipsRect& place, const QString& caption)
    : QPushButton(caption, parent) {
  rt::place(this, place);
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { runClick(); });
}

MenuItem::MenuItem(QMenu* menu, const QString& caption) : QAction(caption, menu) {
  menu->addAction(this);
  connect(this, &QAction::triggered, this, [this] { runClick(); });
}

Line::Line(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color)
    : QWidget(parent) {
  const int left = px(std::min(x1, x2));
  const int top = px(std::min(y1, y2));
  setGeometry(left, top, px(std::max(x1, x2)) - left + 1, px(std::max(y1, y2)) - top + 1);
  fillBackground(*this, color);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace rt
