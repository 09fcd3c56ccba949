// The forms layer's App, made once for the whole test program as the entry makes it (with the
// layer's own default names rather than the program's).
#include <gtest/gtest.h>

#include "forms_app.h"

namespace {

class FormsAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = new forms::App(GetModuleHandleA(nullptr)); }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    forms::App* app_ = nullptr;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new FormsAppEnvironment);

}  // namespace
