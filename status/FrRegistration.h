#pragma once
// Makes the framed panel, status bar, panes, version information and frame
// controller classes known to the layout reader.
namespace fr {

void RegisterStatusClasses();

}  // namespace fr
