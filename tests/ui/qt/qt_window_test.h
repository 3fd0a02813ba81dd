// The main window: every control of the table with its place and looks, the theme,
// the fixed frame, Esc, and the balloon tooltips.
#pragma once

#include "form_fixture.h"

class QtWindowTest : public FormFixture {
    Q_OBJECT

  private slots:
    void controlTable_data();
    void controlTable();
    void colours_data();
    void colours();
    void framesInTheSchemeColour_data();
    void framesInTheSchemeColour();
    void backgroundsAsDrawn();
    void fonts();
    void windowIsFixedWithoutMaximise();
    void focusMainWindowTakesTheFocusFromAControl();
    void colourSchemes_data();
    void colourSchemes();
    void escapeCloses_data();
    void escapeCloses();
    void tooltipsInTheOrderAdded();
    void tooltipShowsCentredBelowItsControl();
};
