#include "form_fixture.h"

#include <QTest>

#include "app/app_state.h"
#include "app/event_bindings.h"
#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

FormFixture::FormFixture() = default;
FormFixture::~FormFixture() = default;

void FormFixture::init() {
    state_ = std::make_unique<murvane::AppState>();
    form_ = std::make_unique<murvane::QtForm>();
    bindings_ = std::make_unique<murvane::EventBindings>(*state_, *form_);
    form_->RaiseCreated();
    recorder_ = std::make_unique<murvane::testing::EventRecorder>();
    form_->SetEvents(recorder_.get());
    form_->ShowCentred();
    QVERIFY(QTest::qWaitForWindowActive(&form_->Window()));
}

// In the program's order: the bindings, the window, then the state.
void FormFixture::cleanup() {
    bindings_.reset();
    form_.reset();
    recorder_.reset();
    state_.reset();
}
