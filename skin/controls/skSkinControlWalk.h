#pragma once
// The walk a skin change makes over a window's controls: before the change
// every skin control bound to the changing skin data forgets its record,
// after it every one takes up the new skin. Windowed containers are walked
// recursively.
namespace fw {
class TWinControl;
}

namespace sk {

class TskSkinData;

// Skin controls of `root` (not `root` itself) bound to `skinData`.
void ForgetSkinRecords(fw::TWinControl& root, const TskSkinData* skinData);
// The same with ApplySkinChange; a null `skinData` reaches every skin control.
void ApplySkinChanges(fw::TWinControl& root, const TskSkinData* skinData);

}  // namespace sk
