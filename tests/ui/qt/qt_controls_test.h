// Edit boxes, check boxes and the status bar: when their events are raised, and what
// another thread may do with them.
#pragma once

#include "form_fixture.h"

class QtControlsTest : public FormFixture {
    Q_OBJECT

  private slots:
    void setTextRaisesOnceAfterTheTextIsInPlace_data();
    void setTextRaisesOnceAfterTheTextIsInPlace();
    void typingRaisesTextChanged();
    void reactionMayRewriteTheTextItWasToldAbout();
    void doubleClickOnTheTargetBox();
    void programTickRaisesNoClick();
    void userClickRaisesClickAfterTheTickChanged_data();
    void userClickRaisesClickAfterTheTickChanged();
    void statusBarPanes_data();
    void statusBarPanes();
    void statusBarDockedAlongTheBottom();
    void paneIndicesOutsideTheBarAreIgnored();
    void panesAndTextsFromAnotherThread();
};
