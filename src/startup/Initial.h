#pragma once

// The program's entry: makes the application, the platform and the shared values, and
// loads the splash window, which hands over to the main window.
class QApplication;

namespace Initial {

int run(int argc, char **argv);
// Names, locale, fonts and translations of the application object.
void prepare(QApplication &app);
// Font families the windows name, mapped to metric-compatible free fonts.
void substituteFonts();

} // namespace Initial
