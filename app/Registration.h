#pragma once

namespace quillet {

// Makes every class the main window's layout names known to the reader.
void RegisterProgramClasses();

}  // namespace quillet
