#pragma once
// Sample classes with one published property of every kind, registered for
// the class registry and form reader tests.

#include <string>
#include <vector>

#include "vcl/classes/collection.h"
#include "vcl/classes/component.h"
#include "vcl/classes/events.h"
#include "vcl/classes/set.h"
#include "vcl/classes/strings.h"

namespace sample {

enum TKind { kdNone, kdFull, kdCompact };
enum TOption { opFirst, opSecond, opThird };
using TOptions = TSet<TOption>;
using TQueryEvent = TMethod<TObject* /*Sender*/, bool& /*Continue*/>;

// Every created sample component writes "Loaded <Name>" here.
std::vector<std::string>& Log();

class TFontSample : public TPersistent {
public:
    std::string ClassName() const override { return "TFontSample"; }
    std::string name = "MS Sans Serif";
    int32_t size = 8;
};

class TEntrySample : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TEntrySample"; }
    std::string key;
    TComponent* target = nullptr;
};

class TWidget : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TWidget"; }
    void SetParentComponent(TComponent* outer) override { parent = outer; }
    TComponent* GetParentComponent() const override { return parent; }

    int32_t width = 10;
    bool loadingWhenSet = false;
    TComponent* peer = nullptr;
    TComponent* parent = nullptr;
    TNotifyEvent onClick;
    TQueryEvent onQuery;

protected:
    void Loaded() override;
};

class TSampleForm : public TComponent {
public:
    explicit TSampleForm(TComponent* owner);
    std::string ClassName() const override { return "TSampleForm"; }

    void FormActivate(TObject* sender);
    void WidgetQuery(TObject* sender, bool& cont);

    std::string caption;
    int32_t width = 0;
    bool visible = true;
    TKind kind = kdNone;
    TOptions options{opFirst};
    double ratio = 0;
    double stamp = 0;
    char accel = '\0';
    std::string data;
    TStringList lines;
    TFontSample font;
    TCollection entries;
    TNotifyEvent onActivate;
    TComponent* peer = nullptr;
    std::vector<std::string> calls;

protected:
    void Loaded() override;
};

// Registers TFontSample, TEntrySample, TWidget and TSampleForm (again: no-op).
void RegisterSampleClasses();

}  // namespace sample
