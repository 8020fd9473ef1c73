// Widgets need one QApplication for the whole test program; gtest_main
// brings the main function, so the application comes with a test environment.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { application = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { application.reset(); }

private:
    int argc = 1;
    char name[17] = "kadrel_app_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
