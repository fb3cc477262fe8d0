#include "monitor/forms/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/forms/icon.h"

namespace lw {
namespace {

using Journal = std::vector<std::string>;

class Probe : public Component {
  public:
    Probe(Component* owner, std::string name, Journal& journal)
        : Component(owner), name(std::move(name)), journal(journal) {}
    ~Probe() override { journal.push_back("free " + name); }

    Component* watched = nullptr;
    std::string name;
    Journal& journal;

  protected:
    void Notification(Component& component, Operation operation) override {
        Component::Notification(component, operation);
        if (operation == Operation::Remove && &component == watched) {
            journal.push_back(name + " forgets " + static_cast<Probe&>(component).name);
            watched = nullptr;
        }
    }
    void Loaded() override { journal.push_back("loaded " + name); }
};

TEST(HandlerTest, PairsCompareAndChain) {
    struct Target {
        void Count(Component&) { ++count; }
        int count = 0;
    } a, b;
    Component sender(nullptr);
    NotifyEvent none;
    none(sender);  // an unassigned handler does nothing
    EXPECT_FALSE(none);

    NotifyEvent onA = NotifyEvent::Of<&Target::Count>(a);
    EXPECT_EQ(onA, NotifyEvent::Of<&Target::Count>(a));
    EXPECT_NE(onA, NotifyEvent::Of<&Target::Count>(b));
    EXPECT_EQ(onA.Object(), &a);

    // Save what is there, put yours in, call the saved one from it.
    NotifyEvent event = onA;
    const NotifyEvent saved = event;
    auto chained = [&](Component& s) {
        ++b.count;
        saved(s);
    };
    event = NotifyEvent::Call(chained);
    event(sender);
    EXPECT_EQ(a.count, 1);
    EXPECT_EQ(b.count, 1);
}

TEST(ComponentTest, TheOwnerFreesWhatItOwnsNewestFirstAndTellsTheOthers) {
    Journal journal;
    {
        Probe form(nullptr, "form", journal);
        Probe& menu = Component::Create<Probe>(form, "menu", journal);
        Probe& tray = Component::Create<Probe>(form, "tray", journal);
        Component::Create<Probe>(form, "late", journal);
        tray.watched = &menu;
        EXPECT_EQ(form.Components().size(), 3u);
        EXPECT_EQ(form.FindComponent<Probe>(), &menu);
        delete &menu;
        EXPECT_EQ(tray.watched, nullptr);
        EXPECT_EQ(form.Components().size(), 2u);
    }
    // The owner's own destructor has run by the time its base frees the components.
    EXPECT_EQ(journal,
              (Journal{"free menu", "tray forgets menu", "free form", "free late", "free tray"}));
}

TEST(ComponentTest, FreeNotificationReachesAcrossOwnersBothWays) {
    Journal journal;
    Probe mainForm(nullptr, "main", journal);
    auto dialog = std::make_unique<Probe>(nullptr, "dialog", journal);
    Probe& tray = Component::Create<Probe>(mainForm, "tray", journal);
    Probe& menu = Component::Create<Probe>(*dialog, "menu", journal);
    tray.watched = &menu;
    menu.FreeNotification(tray);
    menu.watched = &tray;
    dialog.reset();
    EXPECT_EQ(tray.watched, nullptr);
    EXPECT_EQ(journal, (Journal{"free dialog", "free menu", "tray forgets menu"}));
}

TEST(ComponentTest, LoadingReachesComponentsMadeMeanwhileAndEndsWithLoaded) {
    Journal journal;
    Probe form(nullptr, "form", journal);
    Probe& before = Component::Create<Probe>(form, "before", journal);
    form.BeginLoading();
    Probe& during = Component::Create<Probe>(form, "during", journal);
    EXPECT_TRUE(before.Loading());
    EXPECT_TRUE(during.Loading());
    form.EndLoading();
    EXPECT_FALSE(during.Loading());
    EXPECT_FALSE(form.Loading());
    EXPECT_EQ(journal, (Journal{"loaded before", "loaded during", "loaded form"}));
}

class CountedImage : public IconImage {
  public:
    CountedImage(WindowHandle handle, int& alive) : handle_(handle), alive_(alive) { ++alive_; }
    ~CountedImage() override { --alive_; }
    WindowHandle Handle() const override { return handle_; }

  private:
    WindowHandle handle_;
    int& alive_;
};

TEST(IconTest, IconsShareTheirImageUntilTheLastLetsGo) {
    int alive = 0;
    int changes = 0;
    auto changed = [&](Icon&) { ++changes; };
    Icon shown;
    shown.OnChange = Handler<Icon&>::Call(changed);
    {
        Icon loaded(std::make_shared<CountedImage>(77, alive));
        shown.Assign(loaded);
        shown.Assign(loaded);
    }
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(shown.Handle(), 77u);
    shown.Clear();
    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(shown.Empty());
    EXPECT_EQ(shown.Handle(), 0u);
}

}  // namespace
}  // namespace lw
