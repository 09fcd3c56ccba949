#include "password_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// A stand-in for the platform: records the order of calls, and runs `duringDialog` while its
// dialog is up, the way window messages reach the saver while the system's dialog runs.
class FakePasswordSystem final : public PasswordSystem {
public:
    bool windows9x = true;
    bool hasDialog = true;
    bool answer = true;
    std::function<void()> duringDialog;
    std::vector<std::string> calls;

    bool asksForPassword() override { return windows9x; }

    std::unique_ptr<PasswordVerifier> openVerifier() override {
        calls.push_back("open");
        if (!hasDialog) return nullptr;
        return std::make_unique<Dialog>(*this);
    }

    void announceSaverRunning(bool running) override {
        calls.push_back(running ? "running" : "stopped");
    }

private:
    class Dialog final : public PasswordVerifier {
    public:
        explicit Dialog(FakePasswordSystem& system) : system_(system) {}
        ~Dialog() override { system_.calls.push_back("unload"); }
        bool verify() override {
            system_.calls.push_back("verify");
            if (system_.duringDialog) system_.duringDialog();
            return system_.answer;
        }

    private:
        FakePasswordSystem& system_;
    };
};

constexpr ScreenPoint kStart{100, 100};

// What the window procedure does with a WM_CLOSE: the rules, then the check they ask for.
SaverReaction deliverClose(CloseRules& rules, FakePasswordSystem& system, ScreenPoint cursorAfter) {
    SaverReaction r = rules.closeRequest();
    if (r.checkPassword) r = rules.closeVerdict(runPasswordCheck(system, rules), cursorAfter);
    return r;
}

}  // namespace

TEST(PasswordCheck, NtFamilyNeverAsks) {
    FakePasswordSystem system;
    system.windows9x = false;
    system.answer = false;
    CloseRules rules(kStart);
    EXPECT_TRUE(runPasswordCheck(system, rules));
    EXPECT_TRUE(system.calls.empty());
}

TEST(PasswordCheck, MissingDialogLetsTheWindowClose) {
    FakePasswordSystem system;
    system.hasDialog = false;
    system.answer = false;
    CloseRules rules(kStart);
    EXPECT_TRUE(runPasswordCheck(system, rules));
    EXPECT_EQ(system.calls, (std::vector<std::string>{"open"}));
}

TEST(PasswordCheck, DialogRunsInsideTheSaverRunningAnnouncementAndIsUnloadedAfter) {
    FakePasswordSystem system;
    CloseRules rules(kStart);
    bool activeDuringDialog = false;
    system.duringDialog = [&] { activeDuringDialog = rules.passwordActive(); };
    EXPECT_TRUE(runPasswordCheck(system, rules));
    EXPECT_TRUE(activeDuringDialog);
    EXPECT_FALSE(rules.passwordActive());
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"open", "running", "verify", "stopped", "unload"}));
}

TEST(PasswordCheck, RefusedCloseKeepsTheWindowAndResetsTheBaseline) {
    FakePasswordSystem system;
    system.answer = false;
    CloseRules rules(kStart);
    rules.input(SaverInput::CloseAction);
    SaverReaction r = deliverClose(rules, system, ScreenPoint{300, 200});
    EXPECT_FALSE(r.passToDefault);  // DefWindowProc would destroy the window
    EXPECT_EQ(rules.baseline().x, 300);
    EXPECT_EQ(rules.baseline().y, 200);
    EXPECT_TRUE(rules.closeArmed());
}

TEST(PasswordCheck, AcceptedCloseGoesToTheDefaultHandling) {
    FakePasswordSystem system;
    CloseRules rules(kStart);
    rules.input(SaverInput::CloseAction);
    EXPECT_TRUE(deliverClose(rules, system, kStart).passToDefault);
}

TEST(PasswordCheck, InputDuringTheDialogIsIgnoredAndAQueuedCloseDoesNotAskTwice) {
    FakePasswordSystem system;
    system.answer = false;
    CloseRules rules(kStart);
    rules.input(SaverInput::CloseAction);
    std::vector<SaverReaction> seen;
    system.duringDialog = [&] {
        seen.push_back(rules.input(SaverInput::CloseAction));
        seen.push_back(rules.mouseMove(ScreenPoint{900, 900}, 0));
        seen.push_back(deliverClose(rules, system, ScreenPoint{900, 900}));
    };
    deliverClose(rules, system, ScreenPoint{120, 100});
    for (const SaverReaction& r : seen) EXPECT_FALSE(r.postClose);
    EXPECT_FALSE(seen[2].passToDefault);
    auto verifies = std::count(system.calls.begin(), system.calls.end(), "verify");
    EXPECT_EQ(verifies, 1);
    EXPECT_EQ(rules.baseline().x, 120);  // the move during the dialog did not count
}

TEST(PasswordCheck, RunsOncePerAcceptedCloseRequest) {
    FakePasswordSystem system;
    system.answer = false;
    CloseRules rules(kStart);
    // Before the user acts, requests are dropped without asking.
    deliverClose(rules, system, kStart);
    EXPECT_TRUE(system.calls.empty());
    rules.input(SaverInput::CloseAction);
    for (int i = 0; i < 3; ++i) deliverClose(rules, system, kStart);
    EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "verify"), 3);
}
