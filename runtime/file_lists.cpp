#include "runtime/file_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>

namespace rt {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString folderName(const QDir& folder) {
  return folder.isRoot() ? QDir::rootPath() : folder.dirName();
}

}  // namespace

FolderList::FolderList(QWidget* parent, const TwipsRect& place) : QListWidget(parent) {
  setGeometry(toPixels(place));
  connect(this, &QListWidget::itemActivated, this, &FolderList::openItem);
  setPath(QDir::currentPath());
}

void FolderList::setPath(const QString& folder) {
  const QFileInfo info(folder);
  const QString opened = info.isDir() ? QDir::cleanPath(info.absoluteFilePath())
                                      : QDir::cleanPath(QDir::currentPath());
  if (opened == path_) return;
  path_ = opened;
  listed_ = false;
  if (isVisible()) fill();
}

void FolderList::showEvent(QShowEvent* event) {
  if (!listed_) fill();
  QListWidget::showEvent(event);
}

void FolderList::fill() {
  listed_ = true;
  clear();
  QStringList chain;
  for (QDir up(path_);; ) {
    chain.prepend(up.absolutePath());
    if (!up.cdUp()) break;
  }
  int depth = 0;
  for (const QString& folder : chain) {
    auto* entry = new QListWidgetItem(QString(depth * 2, ' ') + folderName(QDir(folder)), this);
    entry->setData(kPathRole, folder);
    ++depth;
  }
  setCurrentRow(count() - 1);
  const QDir current(path_);
  for (const QFileInfo& sub :
       current.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* entry = new QListWidgetItem(QString(depth * 2, ' ') + sub.fileName(), this);
    entry->setData(kPathRole, sub.absoluteFilePath());
  }
}

void FolderList::openItem(QListWidgetItem* item) {
  setPath(item->data(kPathRole).toString());
}

FileList::FileList(QWidget* parent, const TwipsRect& place, const QString& pattern)
    : ChoiceList(parent, place), pattern_(pattern) {
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
    wakeTimers(*this);
    refill();
  });
}

bool FileList::setPath(const QString& folder) {
  if (folder == path_) return false;
  if (!path_.isEmpty()) watcher_.removePath(path_);
  path_ = folder;
  if (QFileInfo(path_).isDir()) watcher_.addPath(path_);
  // Another folder starts with no file selected.
  clear();
  refill();
  return true;
}

void FileList::refill() {
  // The pattern matches without regard to letter case: "*.NES" lists
  // "castlevania2.nes".
  const QStringList names =
      QDir(path_).entryList(pattern_.split(';', Qt::SkipEmptyParts),
                            QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  QStringList shown;
  for (int row = 0; row < count(); ++row) shown.append(item(row)->text());
  if (names == shown) return;
  const QString chosen = Text();
  const int scrolled = verticalScrollBar()->value();
  clear();
  addItems(names);
  if (const qsizetype row = names.indexOf(chosen); !chosen.isEmpty() && row >= 0) {
    selectRow(static_cast<int>(row));
  }
  verticalScrollBar()->setValue(scrolled);
}

DriveList::DriveList(QWidget* parent, const TwipsRect& place) : QComboBox(parent) {
  setGeometry(toPixels(place));
  addItem(QDir::rootPath());
}

}  // namespace rt
