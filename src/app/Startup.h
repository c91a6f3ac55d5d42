#pragma once

// Start-up and shut-down of the whole program, in their fixed order:
//   the runtime is initialised; the module defaults are set; Main runs (the application object is created
//   with its version data and menu bar and registered, the runtime completes its set-up and calls back
//   LateStartup, which opens the main window, and the event loop runs until the application quits); the
//   finalisers run; the runtime's exit code is the process's.
namespace Startup {

// The whole program: what main() runs.
int Run(int argc, char** argv);

void Main();
void EarlyStartup();
void NewAppInstance();
void LateStartup();
void MakeDefaultView();

}  // namespace Startup
