// The binding of every reaction to the one control event that runs it.
#pragma once

#include "app/app_context.h"
#include "app/app_state.h"
#include "platform/file_operations.h"
#include "review/disposal_worker.h"
#include "ui/form.h"

namespace murvane {

class EventBindings : public FormEvents {
  public:
    // Registers itself as the form's event receiver for its lifetime.
    EventBindings(AppState& state, Form& form, FileOperations& files, DisposalPacing pacing = {});
    EventBindings(AppState& state, Form& form);
    ~EventBindings() override;
    EventBindings(const EventBindings&) = delete;
    EventBindings& operator=(const EventBindings&) = delete;

    void OnEvent(Control control, FormEvent event, int column) override;
    // Closing ends the program: a running scan is asked to stop, so that the walk unwinds, and a
    // running disposal finishes its current file and is waited for, before the controls they
    // write to are destroyed.
    void OnClosing() override;

  private:
    DisposalWorker disposal_;
    AppContext app_;
};

}  // namespace murvane
