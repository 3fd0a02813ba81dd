// The window as the user meets it: every control of the table, its looks and its events.
// (The test class lives in a header of its own: moc cannot read the control names.)
#pragma once

#include <QObject>
#include <memory>

namespace murvane {
class AppState;
class EventBindings;
class QtForm;
namespace testing {
class EventRecorder;
}
}  // namespace murvane

class QtFormTest : public QObject {
    Q_OBJECT

  public:
    QtFormTest();
    ~QtFormTest() override;

  private slots:
    void init();
    void cleanup();

    void controlTable_data();
    void controlTable();
    void colours_data();
    void colours();
    void framesInTheSchemeColour_data();
    void framesInTheSchemeColour();
    void backgroundsAsDrawn();
    void fonts();
    void windowIsFixedWithoutMaximise();
    void escapeCloses_data();
    void escapeCloses();

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

    void statusBarPanes_data();
    void statusBarPanes();
    void statusBarDockedAlongTheBottom();
    void paneIndicesOutsideTheBarAreIgnored();
    void panesAndTextsFromAnotherThread();

    void tooltipsInTheOrderAdded();
    void tooltipShowsCentredBelowItsControl();

    void setTextRaisesOnceAfterTheTextIsInPlace_data();
    void setTextRaisesOnceAfterTheTextIsInPlace();
    void typingRaisesTextChanged();
    void reactionMayRewriteTheTextItWasToldAbout();
    void doubleClickOnTheTargetBox();
    void programTickRaisesNoClick();
    void userClickRaisesClickAfterTheTickChanged_data();
    void userClickRaisesClickAfterTheTickChanged();

    void messageBoxes_data();
    void messageBoxes();
    void folderPicker_data();
    void folderPicker();
    void folderPathText_data();
    void folderPathText();

  private:
    std::unique_ptr<murvane::AppState> state_;
    std::unique_ptr<murvane::QtForm> form_;
    std::unique_ptr<murvane::EventBindings> bindings_;
    std::unique_ptr<murvane::testing::EventRecorder> recorder_;
};
