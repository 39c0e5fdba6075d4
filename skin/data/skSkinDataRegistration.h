#pragma once
// Makes the skin definition's components known to the layout reader.
namespace sk {

void RegisterSkinDataClasses();

}  // namespace sk
