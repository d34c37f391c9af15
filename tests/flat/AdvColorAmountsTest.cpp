// An amount read from a description is a percentage: every flat control refuses one out
// of range with the framework's error for a bad property value.
#include <gtest/gtest.h>

#include <string>

#include "Application.h"
#include "FlatButton.h"
#include "FlatCheckBox.h"
#include "FlatEdit.h"
#include "Reader.h"
#include "TestSupport.h"

namespace {

TEST(AdvColorAmountsTest, EveryFlatControlRefusesAnAmountOutsideZeroToHundred) {
    TApplication application;
    RegisterComponentClass<TFlatButton>("TFlatButton");
    RegisterComponentClass<TFlatCheckBox>("TFlatCheckBox");
    RegisterComponentClass<TFlatEdit>("TFlatEdit");
    application.Initialize();
    auto describe = [](const std::string& type, const std::string& line) {
        return "object F: TTestForm\n object C: " + type + "\n  " + line + "\n end\nend";
    };
    for (const char* type : {"TFlatButton", "TFlatCheckBox", "TFlatEdit"}) {
        for (const char* kept : {"AdvColorFocused = 0", "AdvColorBorder = 100"})
            EXPECT_NO_THROW({ TestForm form(&application, describe(type, kept)); })
                << type << " " << kept;
        for (const char* refused : {"AdvColorFocused = 101", "AdvColorBorder = 300",
                                    "AdvColorFocused = -1"}) {
            std::string message;
            try {
                TestForm form(&application, describe(type, refused));
            } catch (const EReadError& error) {
                message = error.what();
            }
            const std::string line = refused, value = line.substr(line.find("= ") + 2);
            EXPECT_EQ(message, "Ungültiger Eigenschaftswert: " + value) << type << " " << refused;
        }
    }
}

}  // namespace
