#pragma once
// "Skin Gallery MDI": an MDI parent form with a row of buttons ("Tile",
// "Cascade") above its client area and three children, "MDI Child 1" to
// "MDI Child 3", each showing a line of text. Closing it hides it with its
// children; opening it again shows them as they were.
#include <vector>

#include "framework/Forms.h"

namespace gallery {

class TMdiForm : public fw::TForm {
 public:
  explicit TMdiForm(fw::TComponent* owner);

  // Shows the form and, the first time, its children.
  void Open();

 private:
  void AddChild(int number);

  std::vector<fw::TForm*> children_;
  bool opened_ = false;
};

}  // namespace gallery
