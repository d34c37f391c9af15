// Reads a form description: a tree of "object Name: TClass ... end" blocks whose lines
// set properties in order. Components are created through the class registry.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Component.h"

class TReader {
public:
    explicit TReader(TComponent& root) : root_(root) {}
    // Reads the description into the root and the components it creates (owned by the
    // root), then calls Loaded on all of them, the root first.
    void ReadRoot(std::string_view description);

    TComponent& Root() const { return root_; }
    TNotifyEvent NotifyMethod(const TPropValue& value) const;
    TMouseEvent MouseMethod(const TPropValue& value) const;
    TMouseMoveEvent MouseMoveMethod(const TPropValue& value) const;

    // A published method of any other event type.
    template <class T>
    T Method(const TPropValue& value) const {
        const std::string& name = value.AsIdentifier();
        const TComponent::TPublishedMethod* method = root_.FindMethod(name);
        const T* handler = method ? std::any_cast<T>(method) : nullptr;
        if (!handler) throw EReadError(FormatMessageText("Methode %s nicht gefunden", name));
        return *handler;
    }

private:
    TComponent& root_;
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

namespace ClassRegistry {
void Register(const std::string& className, TComponentFactory factory);
TComponent* Create(const std::string& className, TComponent* owner);
}  // namespace ClassRegistry

// Makes a class known by the name the descriptions give it. (Not RegisterClass: that is a
// macro of <windows.h>, and which one a file meant hung on its include order.)
template <class T>
void RegisterComponentClass(const std::string& className) {
    ClassRegistry::Register(className, [](TComponent* owner) { return new T(owner); });
}
