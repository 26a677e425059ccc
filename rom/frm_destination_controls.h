#pragma once

#include "runtime/file_lists.h"
#include "runtime/window.h"

namespace rom {

// The ROM location dialog, "Enter ROM's Location". Its text box Destination
// is the only place where the path of the ROM image is held.
class frmDestinationControls : public rt::Window {
 public:
  explicit frmDestinationControls(rt::Runtime& runtime);

  rt::TextBox* Destination;
  rt::FolderList* Dir1;
  rt::FileList* File1;
  rt::DriveList* Drive1;
  rt::CommandButton* Command1;
  rt::Label* Label1;
  rt::Label* Label2;
  rt::TextBox* Destin;
  rt::TextBox* FileName;
  rt::Timer Timer1;
};

}  // namespace rom
