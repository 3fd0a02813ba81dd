// What the reactions see of the window: the control operations they use, nothing of a toolkit.
// The Qt form owns the real widgets; the headless form holds plain data for tests and the CLI.
#pragma once

#include <vector>

#include "text/text.h"
#include "ui/controls.h"

namespace murvane {

enum class FormEvent {
    Created,        // the window: once, after all controls exist
    Clicked,        // buttons and check boxes (a check box's tick has already changed)
    DoubleClicked,  // edit boxes
    TextChanged,    // edit boxes: every change, program writes included
    ListClicked,    // report lists: a left click in the client area, after the selection changed
    HeaderClicked,  // report lists: a column-header click; the column comes along
};

// Receives the control events; the app binds them to its reactions.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void OnEvent(Control control, FormEvent event, int column) = 0;
    // The user closes the window (close button, system menu or Esc). Not a reaction: the
    // lifecycle uses it to wind down what is running before the controls go away.
    virtual void OnClosing() = 0;
};

enum class MessageKind { OkError, YesNoInfo };
enum class MessageAnswer { Ok, Yes, No };

class Form {
  public:
    virtual ~Form() = default;

    virtual void SetEvents(FormEvents* events) = 0;

    // Check boxes: 1 ticked, 0 unticked. Setting a tick never raises Clicked.
    virtual int Tick(Control box) const = 0;
    virtual void SetTick(Control box, int ticked) = 0;

    // Edit boxes. A write raises TextChanged exactly once, synchronously, after the new text is
    // in place, even when it equals the old one. Text() may be called from any thread.
    virtual Text GetText(Control box) const = 0;
    virtual void SetText(Control box, const Text& text) = 0;

    // Push buttons.
    virtual Text Caption(Control button) const = 0;
    virtual void SetCaption(Control button, const Text& caption) = 0;

    // Report lists. Rows and columns count from 0; a cell of a row that does not exist reads
    // empty and ignores writes, and so does a row tick.
    virtual void ClearRows(Control list) = 0;
    virtual int RowCount(Control list) const = 0;
    virtual int AppendRow(Control list) = 0;  // returns the new row's index
    virtual Text Cell(Control list, int row, int column) const = 0;
    virtual void SetCell(Control list, int row, int column, const Text& text) = 0;
    virtual int RowTick(Control list, int row) const = 0;
    virtual void SetRowTick(Control list, int row, int ticked) = 0;
    virtual int FirstSelectedRow(Control list) const = 0;           // -1 when none
    virtual std::vector<int> SelectedRows(Control list) const = 0;  // ascending

    // Status bar panes 0..18; other indices are ignored (and read empty). Any thread.
    virtual Text Pane(int index) const = 0;
    virtual void SetPane(int index, const Text& text) = 0;

    // Modal dialogs.
    virtual MessageAnswer ShowMessage(const Text& text, const Text& title, MessageKind kind) = 0;
    // The chosen folder's path (no trailing separator but for the root), or empty on cancel.
    virtual Text PickFolder(const Text& title) = 0;

    // Lets the window handle every pending event, running reactions nested in the caller.
    virtual void ProcessPendingEvents() = 0;
    virtual void FocusMainWindow() = 0;

    // The window's own set-up, done once when it has been created.
    virtual void SetWindowOuterSize(int width, int height) = 0;
    virtual void UseColourScheme(int scheme) = 0;
    virtual void AddTooltip(Control control, const Text& text) = 0;
};

}  // namespace murvane
