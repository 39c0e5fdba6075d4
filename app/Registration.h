#pragma once
// Makes every class the main window's layout names known to the reader.
void RegisterProgramClasses();
