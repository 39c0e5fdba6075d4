#pragma once
// Registers the framework's classes and their layout properties.
#include "framework/Controls.h"
#include "framework/Layout.h"

namespace fw {

void RegisterStandardClasses();

// Shared value tables for units that register their own classes.
TColor ColorFromLayout(const LayoutValue& value);
TCursor CursorFromLayout(const LayoutValue& value);
const std::vector<std::pair<std::wstring, TAlign>>& AlignNames();

}  // namespace fw
