#pragma once
// Registers the skinned controls and their layout properties.
namespace sk {

void RegisterSkinControlClasses();

}  // namespace sk
