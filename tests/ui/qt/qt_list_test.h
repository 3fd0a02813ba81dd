// The two report lists: their settings and columns, cells that keep their bytes, and
// the click and header-click events.
#pragma once

#include "form_fixture.h"

class QtListTest : public FormFixture {
    Q_OBJECT

  private slots:
    void listSettings_data();
    void listSettings();
    void listColumns_data();
    void listColumns();
    void cellsKeepTheirBytes();
    void rowsOutsideTheListReadEmpty();
    void listClickRaisesAfterTheSelection_data();
    void listClickRaisesAfterTheSelection();
    void keyboardMovesRaiseNoListClick();
    void doubleClickRaisesOneListClick();
    void headerClickRaisesTheColumn_data();
    void headerClickRaisesTheColumn();
};
