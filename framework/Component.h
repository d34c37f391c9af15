// Components: named objects with an owner that destroys them, the loading state and
// the handlers a root component (a form) publishes for its description's events.
#pragma once

#include <map>
#include <string>
#include <any>
#include <vector>

#include "Exceptions.h"
#include "PropValue.h"
#include "Types.h"

constexpr unsigned csLoading = 1, csReading = 2, csDesigning = 4, csDestroying = 8;

class TReader;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    // Runs BeforeDestruction, then deletes: the way every component should go, so that
    // its last handlers see a whole object.
    static void Free(TComponent* component);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const { return components_.at(size_t(index)); }
    TComponent* FindComponent(const std::string& name) const;
    unsigned ComponentState() const { return state_; }
    int Tag = 0;

    // Reading from a description: the reader sets the loading state, then properties in
    // the order they are written, then calls Loaded once every component has been read.
    void BeginLoading() { state_ |= csLoading | csReading; }
    // A form designer marks the components it edits.
    void SetDesigning(bool value) { state_ = value ? state_ | csDesigning : state_ & ~csDesigning; }
    virtual void Loaded();
    // Answers false for a property this class does not know.
    virtual bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader);
    // A nested object of the description that is not a child control (menu items).
    virtual void ReadChild(TComponent* child);
    // The description nests this component in parent: a nested object that is no control
    // goes to its parent's ReadChild, unless the parent is the root.
    virtual void PlaceIn(TComponent& parent, bool parentIsRoot);

    // Another component owned by the same owner is going away.
    virtual void Notification(TComponent* component);
    // Runs before any destructor, while the object is whole. Marks this component and
    // everything it owns as destroying, after which their windows hand messages to the
    // default handling only.
    virtual void BeforeDestruction();

    // Any event type: a handler of a new signature needs nothing from this class.
    using TPublishedMethod = std::any;
    void PublishMethod(const std::string& name, TPublishedMethod method);
    const TPublishedMethod* FindMethod(const std::string& name) const;
    // Publishes a member function of the derived class under its name.
    template <class C, class... Args>
    void Publish(const std::string& name, void (C::*method)(Args...)) {
        C* self = static_cast<C*>(this);
        PublishMethod(name, std::function<void(Args...)>(
                                [self, method](Args... args) { (self->*method)(args...); }));
    }

protected:
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void MarkDestroying();

    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    unsigned state_ = 0;
    std::map<std::string, TPublishedMethod> methods_;
};

// The owned component of the given name and class; throws if there is none.
template <class T>
T& ComponentAs(const TComponent& owner, const std::string& name) {
    T* found = dynamic_cast<T*>(owner.FindComponent(name));
    if (!found) throw EInvalidOperation(FormatMessageText("Komponente %s nicht gefunden", name));
    return *found;
}
