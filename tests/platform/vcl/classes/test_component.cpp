#include "vcl/classes/component.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vcl/system/exception.h"

namespace {

// Records every notification it hears, and when it dies, in one shared log.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~TProbe() override { log_.push_back("~" + Name()); }
    std::string ClassName() const override { return "TProbe"; }
    using TComponent::Loaded;

    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (component == this) return;
        log_.push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
        if (operation == opRemove && component == watched) watched = nullptr;
    }

private:
    std::vector<std::string>& log_;
};

}  // namespace

TEST(Component, OwnerTellsEveryOwnedComponentOfInsertAndRemove) {
    std::vector<std::string> log;
    TProbe form(nullptr, "Form", log);
    auto* a = new TProbe(&form, "A", log);
    auto* b = new TProbe(&form, "B", log);
    EXPECT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(b->Owner(), &form);
    EXPECT_EQ(b->ComponentIndex(), 1);
    log.clear();
    auto* c = new TComponent(&form);
    c->SetName("C");
    // Inserted before it had a name. The owner passes the news to its
    // components (the last first) before its own override records it.
    EXPECT_EQ(log, (std::vector<std::string>{"B +", "A +", "Form +"}));
    log.clear();
    form.RemoveComponent(a);
    EXPECT_EQ(log, (std::vector<std::string>{"B -A", "Form -A"}));
    EXPECT_EQ(a->Owner(), nullptr);
    EXPECT_EQ(form.FindComponent("a"), nullptr);
    delete a;
}

TEST(Component, OwnerFreesInReverseOrderAndSiblingsDropReferences) {
    std::vector<std::string> log;
    auto* form = new TProbe(nullptr, "Form", log);
    new TProbe(form, "A", log);
    auto* b = new TProbe(form, "B", log);
    new TProbe(b, "Inner", log);  // owned by B: freed with B
    log.clear();
    Free(form);
    // B goes first (last inserted): the news of its removal runs down the
    // whole tree (Inner hears it through B) before B frees what it owns and
    // then itself.
    EXPECT_EQ(log, (std::vector<std::string>{"Inner -B", "A -B", "Form -B", "B -Inner", "~Inner", "~B", "Form -A",
                                             "~A", "~Form"}));
}

TEST(Component, DeletingAComponentDirectlyRemovesItFromItsOwner) {
    std::vector<std::string> log;
    TProbe form(nullptr, "Form", log);
    auto* a = new TProbe(&form, "A", log);
    auto* b = new TProbe(&form, "B", log);
    b->watched = a;
    delete a;
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_EQ(form.Components(0), b);
    EXPECT_EQ(b->watched, nullptr);
    EXPECT_THROW(form.Components(1), EListError);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
    std::vector<std::string> log;
    TProbe form1(nullptr, "Form1", log);
    TProbe form2(nullptr, "Form2", log);
    auto* target = new TProbe(&form1, "Target", log);
    auto* watcher = new TProbe(&form2, "Watcher", log);
    watcher->watched = target;
    target->FreeNotification(watcher);
    target->FreeNotification(watcher);  // linking twice is linking once
    EXPECT_TRUE(target->ComponentState().Contains(csFreeNotification));
    log.clear();
    Free(target);
    EXPECT_EQ(watcher->watched, nullptr);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Watcher -Target"), 1);

    // After RemoveFreeNotification nothing is sent.
    auto* other = new TProbe(&form1, "Other", log);
    other->FreeNotification(watcher);
    other->RemoveFreeNotification(watcher);
    log.clear();
    delete other;
    EXPECT_EQ(std::count(log.begin(), log.end(), "Watcher -Other"), 0);
}

TEST(Component, WatcherDestroyedFirstLeavesNoDanglingLink) {
    std::vector<std::string> log;
    auto* target = new TProbe(nullptr, "Target", log);
    auto* watcher = new TProbe(nullptr, "Watcher", log);
    target->FreeNotification(watcher);
    delete watcher;  // must unlink itself from target
    log.clear();
    delete target;  // would touch the freed watcher otherwise (sanitizer)
    EXPECT_EQ(log, (std::vector<std::string>{"~Target"}));
}

TEST(Component, NamesMustBeIdentifiersAndUniquePerOwner) {
    TComponent form(nullptr);
    auto* a = new TComponent(&form);
    a->SetName("Button1");
    auto* b = new TComponent(&form);
    struct Case {
        const char* name;
        const char* error;
    };
    const Case cases[] = {
        {"1Button", "'1Button' is not a valid component name"},
        {"Button 2", "'Button 2' is not a valid component name"},
        {"Bütton", "'Bütton' is not a valid component name"},
        {"Button1", "A component named Button1 already exists"},
        {"BUTTON1", "A component named BUTTON1 already exists"},
    };
    for (const Case& c : cases) {
        try {
            b->SetName(c.name);
            ADD_FAILURE() << c.name << " accepted";
        } catch (const EComponentError& e) {
            EXPECT_EQ(e.Message(), c.error);
        }
        EXPECT_EQ(b->Name(), "");
    }
    b->SetName("_Button_2");
    a->SetName("BUTTON1");  // a change of case only is allowed
    EXPECT_EQ(form.FindComponent("button1"), a);
    EXPECT_EQ(form.FindComponent("_button_2"), b);
    b->SetName("");  // empty is always allowed
    EXPECT_EQ(form.FindComponent(""), nullptr);

    // Same names under different owners are fine; moving one into the
    // owner of its namesake is refused and leaves it where it was.
    TComponent other(nullptr);
    auto* c = new TComponent(&other);
    c->SetName("Button1");
    EXPECT_THROW(form.InsertComponent(c), EComponentError);
    EXPECT_EQ(c->Owner(), &other);
}

TEST(Component, InsertMovesBetweenOwnersAndStateFlagsPropagate) {
    TComponent form1(nullptr);
    TComponent form2(nullptr);
    auto* a = new TComponent(&form1);
    new TComponent(a);
    form2.InsertComponent(a);
    EXPECT_EQ(form1.ComponentCount(), 0);
    EXPECT_EQ(a->Owner(), &form2);
    form2.SetDesigning(true);
    EXPECT_TRUE(a->Components(0)->ComponentState().Contains(csDesigning));
    a->SetTag(-7);
    EXPECT_EQ(a->Tag(), -7);
    auto* b = new TComponent(&form2);
    b->SetComponentIndex(0);
    EXPECT_EQ(form2.Components(0), b);
    EXPECT_EQ(a->ComponentIndex(), 1);
}

TEST(Component, DestroyingFlagIsSetOnTheWholeTreeDuringDestruction) {
    struct TSeer : TComponent {
        using TComponent::TComponent;
        bool* sawDestroying = nullptr;
        ~TSeer() override { *sawDestroying = ComponentState().Contains(csDestroying); }
    };
    bool seen = false;
    auto* form = new TComponent(nullptr);
    auto* child = new TSeer(form);
    child->sawDestroying = &seen;
    delete form;
    EXPECT_TRUE(seen);
}
