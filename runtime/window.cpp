#include "runtime/window.h"

#include <QCloseEvent>
#include <QEventLoop>

#include <cmath>

namespace rt {

namespace {

Qt::WindowFlags flagsFor(WindowBorder border) {
  constexpr Qt::WindowFlags framed = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  switch (border) {
    case WindowBorder::FixedSingle:
      return Qt::Window | framed | Qt::WindowMinimizeButtonHint;
    case WindowBorder::FixedTool:
      return Qt::Tool | framed;
    case WindowBorder::Sizable:
      break;
  }
  return Qt::Window | framed | Qt::WindowMinMaxButtonsHint;
}

int toPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

}  // namespace

float Window::Remembered::read(int pixels) const {
  if (twips && toPixels(*twips) == pixels) return *twips;
  return static_cast<float>(pixels * kTwipsPerPixel);
}

Window::Window(Runtime& runtime, const WindowDesign& design)
    : QWidget(nullptr, flagsFor(design.border)),
      runtime_(runtime),
      client_(new QWidget(this)),
      clientSize_(px(design.clientWidth), px(design.clientHeight)),
      sizable_(design.border == WindowBorder::Sizable) {
  setWindowTitle(design.caption);
  fillBackground(*this, design.background);
  fillBackground(*client_, design.background);
  if (design.menuBar) menuBar_ = new QMenuBar(this);
  fitClient();
  if (design.placesClient) {
    setGeometry(QRect(QPoint(px(design.left), px(design.top)), size()));
  } else {
    move(px(design.left), px(design.top));
  }
}

void Window::fitClient() {
  const QSize size(clientSize_.width(), clientSize_.height() + menuHeight());
  if (sizable_) {
    resize(size);
  } else {
    setFixedSize(size);
  }
  layoutClient();
}

int Window::menuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

void Window::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutClient();
}

void Window::layoutClient() {
  const int menu = menuHeight();
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), menu);
  client_->setGeometry(0, menu, width(), height() - menu);
}

void Window::Show(Modality modality) {
  if (modality == Modality::Modeless) {
    show();
    raise();
    return;
  }
  if (isVisible()) hide();
  setWindowModality(Qt::ApplicationModal);
  show();
  runtime_.reports.setModalWindow(this);
  QPointer<Window> self(this);
  QEventLoop loop;
  modalLoop_ = &loop;
  connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
  loop.exec();
  if (self) {
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
    runtime_.reports.setModalWindow(nullptr);
  }
}

void Window::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (modalLoop_) modalLoop_->quit();
}

void Window::closeEvent(QCloseEvent* event) {
  if (!closeBox_) {
    QWidget::closeEvent(event);
    return;
  }
  event->ignore();
  closeBox_();
}

float Window::Left() const { return left_.read(x()); }
float Window::Top() const { return top_.read(y()); }
float Window::Width() const { return width_.read(frameGeometry().width()); }

void Window::setLeft(float twips) {
  left_.put(twips);
  move(toPixels(twips), y());
}

void Window::setTop(float twips) {
  top_.put(twips);
  move(x(), toPixels(twips));
}

void Window::setWidth(float twips) {
  width_.put(twips);
  const int inner = toPixels(twips) - (frameGeometry().width() - width());
  if (minimumWidth() == maximumWidth()) {
    setFixedWidth(inner);
  } else {
    resize(inner, height());
  }
}

}  // namespace rt
