#pragma once
// Multiple-document forms: the client window an MDI parent form keeps its
// children in, and the message loop's part (the system keys that move
// between the children). The forms' own MDI side is TForm's (MDI.cpp).
#include <windows.h>

#include "framework/Controls.h"

namespace fw {

// The system's MDICLIENT window as a control of its MDI parent form,
// aligned to the client area the form's other aligned controls leave.
// Components that draw the client's background hook it as any control.
class TMDIClient : public TWinControl {
 public:
  explicit TMDIClient(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  CLIENTCREATESTRUCT clientCreate_{};
};

// Called by the message loop for every message before it is translated:
// Ctrl+F4, Ctrl+F6 and the children's system-menu keys for the MDI parent
// form the key is meant for. True when taken.
bool HandleMDIKey(MSG& msg);

}  // namespace fw
