#pragma once

struct General;
class Form;

// Sets each button's tool-tip to its hint on every mouse move over it while hints are on,
// and to nothing while they are off: the switch takes effect at the next move.
class HoverHints
{
public:
    static void install(Form &window, const General &general);
};
