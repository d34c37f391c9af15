// The description reader: properties are set in order while loading, and Loaded runs
// on every component only after the whole description has been read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Label.h"
#include "Menus.h"
#include "Reader.h"
#include "StandardClasses.h"
#include "TestSupport.h"

namespace {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    int Value = 0;
    std::string Text;
    TNotifyEvent OnPoke;
    std::vector<TComponent*> children;

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override {
        if (name == "Value") {
            Value = value.AsInteger();
            bool loading = ComponentState() & csLoading;
            Log().push_back(Name() + " Value=" + std::to_string(Value) + (loading ? " loading" : ""));
        } else if (name == "Text") {
            Text = value.AsString();
        } else if (name == "OnPoke") {
            OnPoke = reader.NotifyMethod(value);
        } else {
            return TComponent::SetProperty(name, value, reader);
        }
        return true;
    }
    void Loaded() override {
        TComponent::Loaded();
        std::string seen;
        for (int i = 0; i < (Owner() ? Owner() : this)->ComponentCount(); ++i)
            seen += std::to_string(static_cast<TProbe*>((Owner() ? Owner() : this)->Components(i))->Value);
        Log().push_back(Name() + " Loaded, siblings " + seen);
    }
    void ReadChild(TComponent* child) override { children.push_back(child); }
};

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterComponentClass<TProbe>("TProbe");
        Log().clear();
    }
    TProbe root{nullptr};
};

TEST_F(ReaderTest, SetsPropertiesWhileLoadingThenCallsLoadedRootFirst) {
    TReader(root).ReadRoot(R"(
object Root: TProbeRoot
  Value = 1
  object A: TProbe
    Value = 2
    object C: TProbe
      Value = 4
    end
  end
  object B: TProbe
    Value = 3
  end
end)");
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "Root Value=1 loading", "A Value=2 loading", "C Value=4 loading",
                         "B Value=3 loading", "Root Loaded, siblings 243", "A Loaded, siblings 243",
                         "C Loaded, siblings 243", "B Loaded, siblings 243"}));
    EXPECT_EQ(root.Name(), "Root");
    ASSERT_EQ(root.ComponentCount(), 3);  // the root owns every component it read
    EXPECT_FALSE(root.Components(0)->ComponentState() & csLoading);
    // A nested object that is not a control is handed to its enclosing object.
    auto& a = static_cast<TProbe&>(*root.FindComponent("A"));
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_EQ(a.children[0]->Name(), "C");
}

TEST_F(ReaderTest, ReadsQuotedTextAndBindsEventsToPublishedMethods) {
    int pokes = 0;
    root.PublishMethod("RootPoke", TNotifyEvent([&](TObject*) { ++pokes; }));
    TReader(root).ReadRoot("object Root: TProbeRoot\n  Text = 'It''s ' + #65 + 'B'\n"
                           "  OnPoke = RootPoke\nend\n");
    EXPECT_EQ(root.Text, "It's AB");
    ASSERT_TRUE(root.OnPoke);
    root.OnPoke(&root);
    EXPECT_EQ(pokes, 1);
}

TEST_F(ReaderTest, RefusesWhatItDoesNotKnow) {
    EXPECT_THROW(TReader(root).ReadRoot("object R: T\n  Colour = 1\nend"), EReadError);
    EXPECT_THROW(TReader(root).ReadRoot("object R: T\n  object X: TNoSuchClass\n  end\nend"),
                 EReadError);
    EXPECT_THROW(TReader(root).ReadRoot("object R: T\n  OnPoke = Missing\nend"), EReadError);
    EXPECT_THROW(TReader(root).ReadRoot("object R: T\n  Text = 'open\nend"), EReadError);
    EXPECT_THROW(TReader(root).ReadRoot("object R: T\n  Value = 1\n"), EReadError);
    try {
        TReader(root).ReadRoot("object R: T\n  Colour = 1\nend");
    } catch (const EReadError& error) {
        EXPECT_NE(std::string(error.what()).find("Colour"), std::string::npos);
    }
}

}  // namespace
