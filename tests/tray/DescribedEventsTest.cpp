// Events and references the flat edit and the tray icon publish, set from a description:
// each reaches its component and runs when the component raises it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Application.h"
#include "FlatEdit.h"
#include "ImageList.h"
#include "Reader.h"
#include "StandardClasses.h"
#include "TestSupport.h"
#include "TrayIcon.h"

namespace {

// The icon names its list before the list is read: the name is resolved once all is.
constexpr const char* kDescribed = R"(
object Described: TTestForm
  object TrayIcon1: TTrayIcon
    IconList = ImageList1
    OnBalloonHintShow = BalloonShow
    OnBalloonHintHide = BalloonHide
    OnBalloonHintTimeout = BalloonTimeout
    OnBalloonHintClick = BalloonClick
  end
  object ImageList1: TImageList
  end
  object FlatEdit1: TFlatEdit
    OnKeyDown = EditKeyDown
    OnKeyPress = EditKeyPress
    OnKeyUp = EditKeyUp
  end
end)";

TEST(DescribedEventsTest, TheFlatEditsKeyEventsAndTheTrayIconsListAndBalloonEvents) {
    RegisterStandardClasses();
    RegisterComponentClass<TImageList>("TImageList");
    RegisterComponentClass<TTrayIcon>("TTrayIcon");
    RegisterComponentClass<TFlatEdit>("TFlatEdit");
    TApplication application;
    application.Initialize();
    std::string log;
    TestForm form(&application, kDescribed, [&log](TestForm& f) {
        for (const char* name : {"BalloonShow", "BalloonHide", "BalloonTimeout", "BalloonClick"})
            f.PublishMethod(name, TNotifyEvent([&log, name](TObject*) { log += name + std::string(" "); }));
        f.PublishMethod("EditKeyDown", TKeyEvent([&log](TObject*, std::uint16_t& key, TShiftState) {
                            log += "down:" + std::to_string(key) + " ";
                        }));
        f.PublishMethod("EditKeyUp", TKeyEvent([&log](TObject*, std::uint16_t& key, TShiftState) {
                            log += "up:" + std::to_string(key) + " ";
                        }));
        // The handler's change is what the edit gets.
        f.PublishMethod("EditKeyPress", TKeyPressEvent([&log](TObject*, char& key) {
                            log += std::string("press:") + key + " ";
                            key = 'Q';
                        }));
    });

    auto& icon = ComponentAs<TTrayIcon>(form, "TrayIcon1");
    EXPECT_EQ(icon.IconList(), &ComponentAs<TImageList>(form, "ImageList1"));
    for (UINT notification : {NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT,
                              NIN_BALLOONUSERCLICK})
        icon.HandleNotification(notification);
    EXPECT_EQ(log, "BalloonShow BalloonHide BalloonTimeout BalloonClick ");

    log.clear();
    auto& edit = ComponentAs<TFlatEdit>(form, "FlatEdit1");
    SendMessageA(edit.Handle(), WM_KEYDOWN, 'Q', 0);
    SendMessageA(edit.Handle(), WM_CHAR, 'q', 0);
    SendMessageA(edit.Handle(), WM_KEYUP, 'Q', 0);
    EXPECT_EQ(log, "down:81 press:q up:81 ");
    EXPECT_EQ(edit.Text(), "Q");
}

}  // namespace
