#pragma once

struct AppContext;

// The one way out: the FLC/FLI module's window is asked to close, then every loaded window
// is unloaded, which ends the program.
namespace ProgramClosing {

inline constexpr char FlicModuleTitle[] = "Kinovue ST - Animations FLC et FLI";

void closeProgram(AppContext &context);
void ProcFermeAppli(AppContext &context);

} // namespace ProgramClosing
