#pragma once

#include "runtime/window.h"

namespace map_editor {

// The About box, "About... bla bla bla".
class AboutControls : public rt::Window {
 public:
  explicit AboutControls(rt::Runtime& runtime);

  rt::Label* Label1;
  rt::Label* Label2;
  rt::Label* Label3;
  rt::Label* Label4;
  rt::Line* Line1;
  rt::Label* Label9;
  rt::Label* Label5;
  rt::Label* Label6;
  rt::Label* Label7;
  rt::Label* Label8;
  rt::CommandButton* Command1;
};

}  // namespace map_editor
