#pragma once

#include "runtime/controls.h"

#include <QComboBox>
#include <QFileSystemWatcher>
#include <QListWidget>

// The file choosing controls: a folder list, a file list with a name pattern
// and a drive list that is shown only. Paths are host folders.
namespace rt {

// The open folder with its parents above it and its subfolders below; the
// user opens another folder with a double click or Enter. The folders are
// listed when the list is shown, so a hidden list reads no folder.
class FolderList : public QListWidget {
 public:
  FolderList(QWidget* parent, const TwipsRect& place);
  QString Path() const { return path_; }
  // Opens the folder; a path that is no folder opens the working directory.
  void setPath(const QString& folder);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fill();
  void openItem(QListWidgetItem* item);

  QString path_;
  bool listed_ = false;
};

// The files of one folder that match the pattern, kept as the folder is:
// files created, renamed or deleted there come and go.
class FileList : public ChoiceList {
 public:
  FileList(QWidget* parent, const TwipsRect& place, const QString& pattern);
  QString Path() const { return path_; }
  // Lists the files of the folder; the same folder again changes nothing.
  bool setPath(const QString& folder);
  QString Pattern() const { return pattern_; }
  // The selected file's name, as the list calls its text.
  QString FileName() const { return Text(); }

 private:
  // Lists the folder again; the selected file stays selected while it is
  // there.
  void refill();

  QString path_;
  QString pattern_;
  QFileSystemWatcher watcher_;
};

class DriveList : public QComboBox {
 public:
  DriveList(QWidget* parent, const TwipsRect& place);
};

}  // namespace rt
