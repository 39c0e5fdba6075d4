#pragma once

namespace sk {

// The speed buttons for layouts; after RegisterSkinControlClasses.
void RegisterSpeedButtonClasses();

}  // namespace sk
