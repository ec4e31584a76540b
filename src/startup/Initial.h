#pragma once

// The program's entry: makes the application, the platform and the shared values, and
// loads the splash window, which hands over to the main window.
namespace Initial {

int run(int argc, char **argv);
// Font families the windows name, mapped to metric-compatible free fonts.
void substituteFonts();

} // namespace Initial
