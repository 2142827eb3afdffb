// Laying out aligned controls as the class library does.
#include <gtest/gtest.h>

#include "vcl/forms/form.h"
#include "vcl/forms/std_controls.h"

namespace {

struct Placed {
    TAlign align;
    int32_t left, top, width, height;
};

class Layout : public ::testing::Test {
protected:
    Layout() { form.SetBounds(0, 0, 400, 300); }
    TPanel* Add(TAlign align, int32_t left, int32_t top, int32_t width, int32_t height, TWinControl* parent = nullptr) {
        auto* panel = new TPanel(&form);
        panel->SetBounds(left, top, width, height);
        panel->SetParent(parent != nullptr ? parent : &form);
        panel->SetBevelOuter(bvNone);
        panel->SetAlign(align);
        return panel;
    }
    static TRect Bounds(const TControl* c) { return c->BoundsRect(); }
    TForm form{nullptr};
};

TEST_F(Layout, EdgesAreTakenInOrderAndClientFillsTheRest) {
    TPanel* top = Add(alTop, 5, 0, 10, 30);
    TPanel* bottom = Add(alBottom, 0, 0, 10, 20);
    TPanel* left = Add(alLeft, 0, 0, 169, 10);
    TPanel* right = Add(alRight, 0, 0, 50, 10);
    TPanel* client = Add(alClient, 0, 0, 1, 1);
    TPanel* free = Add(alNone, 7, 8, 9, 10);

    EXPECT_EQ(Bounds(top), (TRect{0, 0, 400, 30}));
    EXPECT_EQ(Bounds(bottom), (TRect{0, 280, 400, 300}));
    EXPECT_EQ(Bounds(left), (TRect{0, 30, 169, 280}));
    EXPECT_EQ(Bounds(right), (TRect{350, 30, 400, 280}));
    EXPECT_EQ(Bounds(client), (TRect{169, 30, 350, 280}));
    EXPECT_EQ(Bounds(free), (TRect{7, 8, 16, 18}));
    EXPECT_EQ(client->Widget()->geometry(), QRect(169, 30, 181, 250));

    form.SetBounds(0, 0, 500, 400);  // resizing lays out again
    EXPECT_EQ(Bounds(client), (TRect{169, 30, 450, 380}));
    top->Hide();  // hidden controls take no room
    EXPECT_EQ(Bounds(left), (TRect{0, 0, 169, 380}));
}

TEST_F(Layout, ControlsOfOneEdgeStackInOrderOfPosition) {
    TPanel* first = Add(alTop, 0, 50, 10, 25);
    TPanel* second = Add(alTop, 0, 10, 10, 20);  // lies below the first once that is aligned
    TPanel* fill = Add(alClient, 0, 0, 1, 1);
    EXPECT_EQ(Bounds(first), (TRect{0, 0, 400, 25}));
    EXPECT_EQ(Bounds(second), (TRect{0, 25, 400, 45}));
    EXPECT_EQ(Bounds(fill), (TRect{0, 45, 400, 300}));

    second->SetHeight(55);  // a new height moves the others
    EXPECT_EQ(Bounds(fill), (TRect{0, 80, 400, 300}));
    second->SetTop(-1);  // moved above the first: they change places
    EXPECT_EQ(Bounds(second), (TRect{0, 0, 400, 55}));
    EXPECT_EQ(Bounds(first), (TRect{0, 55, 400, 80}));
}

TEST_F(Layout, NestedPanelsLayOutInsideTheirParent) {
    TPanel* pane = Add(alLeft, 0, 0, 169, 10);
    pane->SetBevelOuter(bvRaised);  // a bevel of one pixel
    TPanel* caption = Add(alTop, 0, 0, 10, 17, pane);
    TPanel* list = Add(alClient, 0, 0, 10, 10, pane);
    EXPECT_EQ(Bounds(caption), (TRect{1, 1, 168, 18}));
    EXPECT_EQ(Bounds(list), (TRect{1, 18, 168, 299}));
}

}  // namespace
