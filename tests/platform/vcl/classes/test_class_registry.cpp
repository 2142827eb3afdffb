#include "vcl/classes/class_registry.h"

#include <gtest/gtest.h>

#include "support_sample_classes.h"
#include "vcl/classes/class_builder.h"

using namespace sample;

namespace {

// Republishes the widget's Width with another default.
class TWideWidget : public TWidget {
public:
    using TWidget::TWidget;
    std::string ClassName() const override { return "TWideWidget"; }
};

class TImpostor : public TComponent {
public:
    using TComponent::TComponent;
};

}  // namespace

TEST(ClassRegistry, FindsClassesByNameAndCreatesComponents) {
    RegisterSampleClasses();
    RegisterSampleClasses();  // registering again changes nothing
    EXPECT_EQ(&FindClass("twidget"), GetClass("TWidget"));
    EXPECT_EQ(GetClass("TNothing"), nullptr);
    try {
        FindClass("TNothing");
        ADD_FAILURE();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNothing not found");
    }
    TComponent owner(nullptr);
    TComponent* w = CreateComponent("TWidget", &owner);
    EXPECT_NE(dynamic_cast<TWidget*>(w), nullptr);
    EXPECT_EQ(w->Owner(), &owner);
    EXPECT_EQ(ClassInfoOf(*w), GetClass("TWidget"));
    EXPECT_THROW(CreateComponent("TFontSample", &owner), EClassNotFound);  // not a component
    EXPECT_THROW(RegisterClass(DeclareClass<TImpostor, TComponent>("TWidget")), EFilerError);
}

TEST(ClassRegistry, PropertiesAreInheritedWithOverridableDefaults) {
    RegisterSampleClasses();
    const TClassInfo& wide = RegisterClass(DeclareClass<TWideWidget, TWidget>("TWideWidget").Default("Width", 200));
    EXPECT_TRUE(wide.InheritsFrom(GetClass("TComponent")));
    std::vector<std::string> names;
    for (const TPropertyInfo* p : wide.Properties()) names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Width", "Peer", "OnClick", "OnQuery"}));
    EXPECT_EQ(std::get<int64_t>(wide.FindProperty("width")->Default), 200);
    EXPECT_EQ(std::get<int64_t>(GetClass("TWidget")->FindProperty("Width")->Default), 10);

    // The accessors work on objects of the derived class.
    TWideWidget w(nullptr);
    const TPropertyInfo* width = wide.FindProperty("Width");
    width->SetOrdinal(w, 42);
    EXPECT_EQ(width->GetOrdinal(w), 42);
    wide.FindProperty("Name")->SetString(w, "Wide1");
    EXPECT_EQ(w.Name(), "Wide1");
    EXPECT_THROW((DeclareClass<TWideWidget, TWidget>("TWideWidget").Default("Height", 1)), EFilerError);

    // Set and enumeration properties read and write ordinals and bits.
    TSampleForm form(nullptr);
    const TClassInfo& sampleForm = FindClass("TSampleForm");
    sampleForm.FindProperty("Options")->SetOrdinal(form, 0b101);
    EXPECT_EQ(form.options, (TOptions{opFirst, opThird}));
    EXPECT_EQ(sampleForm.FindProperty("Kind")->EnumNames.at(2), "kdCompact");
    EXPECT_NE(sampleForm.FindMethod("formactivate"), nullptr);
    EXPECT_EQ(sampleForm.FindMethod("Nothing"), nullptr);
}
