#pragma once
// Delivers skin data broadcasts to the program's forms as window messages.
namespace sk {

// Installs the process-wide messenger once; later calls do nothing.
void InstallWindowsSkinMessenger();

}  // namespace sk
