#include "artwin/live_preview.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumina {
namespace {

// A pause that passes only when the test says so.
class FakePause : public PauseTimer {
public:
    void Start() override {
        m_pending = true;
        ++starts;
    }
    void Cancel() override { m_pending = false; }
    bool Pending() const override { return m_pending; }
    // The pause passes, if one is pending.
    void Pass() {
        if (!m_pending)
            return;
        m_pending = false;
        Elapse();
    }
    int starts = 0;

private:
    bool m_pending = false;
};

// A live preview whose runs are recorded; during the n-th run (from 0) `during[n]` is called,
// standing for what the user does while that run draws its rows.
struct Fixture {
    Fixture() {
        auto timer = std::make_unique<FakePause>();
        pause = timer.get();
        live = std::make_unique<LivePreview>(std::move(timer), [this](RunCause cause) {
            const size_t n = runs.size();
            runs.push_back(cause);
            if (n < during.size() && during[n])
                during[n]();
            stopped.push_back(live->StopRequested());
        });
        live->SetOn(true);
    }
    FakePause* pause = nullptr;
    std::unique_ptr<LivePreview> live;
    std::vector<RunCause> runs;
    std::vector<bool> stopped; // whether each run was told to give up by its end
    std::vector<std::function<void()>> during;
};

TEST(LivePreview, ChangesRunOnceAfterThePause) {
    Fixture f;
    f.live->Changed();
    f.live->Changed();
    f.live->Changed();
    EXPECT_TRUE(f.runs.empty()) << "no run per change";
    EXPECT_EQ(f.pause->starts, 3) << "every change restarts the pause";
    f.pause->Pass();
    EXPECT_EQ(f.runs, (std::vector<RunCause>{RunCause::Pause}));
    f.pause->Pass();
    EXPECT_EQ(f.runs.size(), 1u) << "one pause, one run";
    EXPECT_FALSE(f.live->Running());
}

TEST(LivePreview, OffChangesWaitForTheButton) {
    Fixture f;
    f.live->SetOn(false);
    f.live->Changed();
    EXPECT_FALSE(f.pause->Pending());
    f.live->SetOn(true);
    f.live->Changed();
    f.live->SetOn(false);
    EXPECT_FALSE(f.pause->Pending()) << "switching off drops the pause";
    f.live->Request(RunCause::Button);
    EXPECT_EQ(f.runs, (std::vector<RunCause>{RunCause::Button}));
}

// Changes during a run give it up; the art is made once more, after the next pause, however
// many changes there were.
TEST(LivePreview, ChangesDuringARunRestartItAfterThePauseNeverQueued) {
    Fixture f;
    f.during = {[&] {
        EXPECT_FALSE(f.live->StopRequested());
        f.live->Changed();
        EXPECT_TRUE(f.live->StopRequested());
        f.live->Changed();
        f.live->Changed();
    }};
    f.live->Changed();
    f.pause->Pass();
    ASSERT_EQ(f.runs.size(), 1u) << "nothing starts before the pause";
    EXPECT_TRUE(f.stopped[0]);
    EXPECT_FALSE(f.live->StopRequested()) << "the next run starts afresh";
    EXPECT_TRUE(f.pause->Pending());
    f.pause->Pass();
    EXPECT_EQ(f.runs, (std::vector<RunCause>{RunCause::Pause, RunCause::Pause}));
    EXPECT_FALSE(f.stopped[1]);
}

// The button, or a pause that passes while a run is still drawing, gives that run up and
// starts one more run as soon as it has; asking again while it gives up adds nothing.
TEST(LivePreview, RequestsDuringARunFollowItOnce) {
    struct Case {
        const char* what;
        std::vector<RunCause> requests;
        RunCause following;
    } const cases[] = {
        {"button", {RunCause::Button}, RunCause::Button},
        {"pause", {RunCause::Pause}, RunCause::Pause},
        {"button, then pause", {RunCause::Button, RunCause::Pause}, RunCause::Button},
        {"pause, then button twice",
         {RunCause::Pause, RunCause::Button, RunCause::Button},
         RunCause::Button},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.during = {[&] {
            for (const RunCause r : c.requests)
                f.live->Request(r);
        }};
        f.live->Request(RunCause::Button);
        EXPECT_EQ(f.runs, (std::vector<RunCause>{RunCause::Button, c.following}));
        EXPECT_EQ(f.stopped, (std::vector<bool>{true, false}));
    }
}

TEST(LivePreview, TheButtonSupersedesAPendingPauseAndStopDropsEverything) {
    Fixture f;
    f.live->Changed();
    f.live->Request(RunCause::Button);
    EXPECT_FALSE(f.pause->Pending());
    f.pause->Pass();
    EXPECT_EQ(f.runs.size(), 1u);

    f.during = {{}, [&] {
                    f.live->Request(RunCause::Button);
                    f.live->Changed();
                    f.live->Stop();
                }};
    f.live->Request(RunCause::Button);
    EXPECT_EQ(f.runs.size(), 2u) << "the window closes: nothing follows";
    EXPECT_TRUE(f.stopped[1]);
    EXPECT_FALSE(f.pause->Pending());
}

} // namespace
} // namespace lumina
