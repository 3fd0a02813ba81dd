// The window as the program makes it, fresh for every test function: created, its creation
// reaction run, shown and active. The test then hears the window's events in place of the
// program's reactions. (Test classes keep to headers of their own: moc cannot read the control
// names.)
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

class FormFixture : public QObject {
    Q_OBJECT

  public:
    FormFixture();
    ~FormFixture() override;

  private slots:
    void init();
    void cleanup();

  protected:
    std::unique_ptr<murvane::AppState> state_;
    std::unique_ptr<murvane::QtForm> form_;
    std::unique_ptr<murvane::EventBindings> bindings_;
    std::unique_ptr<murvane::testing::EventRecorder> recorder_;
};
