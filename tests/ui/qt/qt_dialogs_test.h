// The modal dialogs: message boxes and the folder picker.
#pragma once

#include "form_fixture.h"

class QtDialogsTest : public FormFixture {
    Q_OBJECT

  private slots:
    void messageBoxes_data();
    void messageBoxes();
    void folderPicker_data();
    void folderPicker();
    void folderPathText_data();
    void folderPathText();
};
