#pragma once

class Form;
struct General;

// Paints every control of the main window in its colour role.
class ColourScheme
{
public:
    static void applyToMainWindow(Form &window, const General &general);
};
