// The program's real windows, created as at start, with no settings file beside the
// test program before and after each test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "Application.h"
#include "Program.h"
#include "SlotSettings.h"

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileW(SettingsFilePath().c_str());
        application.Initialize();
        // No window shows by itself, not even the settings window of this first run:
        // each test shows what it needs.
        application.ShowMainForm = false;
        CreateProgramForms(application);
    }
    void TearDown() override { DeleteFileW(SettingsFilePath().c_str()); }

    TApplication application;
};
