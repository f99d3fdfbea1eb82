#pragma once
// The doubles and the program's long-lived screens as start-up makes them,
// for the tests that go over every screen or dialog; made and dropped per
// test. The program folder is there before the screens and outlives them.
#include "TestEnv.h"
#include "shell/Application.h"

struct StartedScreens {
    ScreenSeams seams;
    StartedScreens() { Tersalia::createScreens(); }
    ~StartedScreens() { Tersalia::destroyScreens(); }
    StartedScreens(const StartedScreens &) = delete;
    StartedScreens &operator=(const StartedScreens &) = delete;
};
