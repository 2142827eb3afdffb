#include "support_sample_classes.h"

#include "vcl/classes/class_builder.h"

namespace sample {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

void TWidget::Loaded() {
    Log().push_back("Loaded " + Name() + (ComponentState().Contains(csLoading) ? " (loading)" : ""));
    TComponent::Loaded();
}

TSampleForm::TSampleForm(TComponent* owner) : TComponent(owner), entries(this, ItemClassOf<TEntrySample>("TEntrySample")) {}

void TSampleForm::FormActivate(TObject* sender) { calls.push_back("FormActivate " + static_cast<TComponent*>(sender)->Name()); }

void TSampleForm::WidgetQuery(TObject* sender, bool& cont) {
    calls.push_back("WidgetQuery " + static_cast<TComponent*>(sender)->Name());
    cont = false;
}

void TSampleForm::Loaded() {
    Log().push_back("Loaded " + Name());
    TComponent::Loaded();
}

void RegisterSampleClasses() {
    RegisterClass(DeclareClass<TFontSample, TPersistent>("TFontSample")
                      .String("Name", [](TFontSample& f) { return f.name; },
                              [](TFontSample& f, const std::string& v) { f.name = v; })
                      .Integer("Size", [](TFontSample& f) { return f.size; }, [](TFontSample& f, int32_t v) { f.size = v; },
                               8));
    RegisterClass(DeclareClass<TEntrySample, TCollectionItem>("TEntrySample")
                      .String("Key", [](TEntrySample& e) { return e.key; },
                              [](TEntrySample& e, const std::string& v) { e.key = v; })
                      .Component<TComponent>("Target", [](TEntrySample& e) { return e.target; },
                                             [](TEntrySample& e, TComponent* v) { e.target = v; }));
    RegisterClass(DeclareClass<TWidget, TComponent>("TWidget")
                      .Integer("Width", [](TWidget& w) { return w.width; },
                               [](TWidget& w, int32_t v) {
                                   w.width = v;
                                   w.loadingWhenSet = w.ComponentState().Contains(csLoading);
                               },
                               10)
                      .Component<TWidget>("Peer", [](TWidget& w) { return static_cast<TWidget*>(w.peer); },
                                          [](TWidget& w, TWidget* v) { w.peer = v; })
                      .Event<TNotifyEvent>("OnClick", [](TWidget& w) { return w.onClick; },
                                           [](TWidget& w, TNotifyEvent e) { w.onClick = e; })
                      .Event<TQueryEvent>("OnQuery", [](TWidget& w) { return w.onQuery; },
                                          [](TWidget& w, TQueryEvent e) { w.onQuery = e; }));
    using F = TSampleForm;
    RegisterClass(DeclareClass<F, TComponent>("TSampleForm")
                      .String("Caption", [](F& f) { return f.caption; }, [](F& f, const std::string& v) { f.caption = v; })
                      .Integer("Width", [](F& f) { return f.width; }, [](F& f, int32_t v) { f.width = v; }, 0,
                               {{"clDefault", 0x20000000}})
                      .Boolean("Visible", [](F& f) { return f.visible; }, [](F& f, bool v) { f.visible = v; }, true)
                      .Enum("Kind", {"kdNone", "kdFull", "kdCompact"}, [](F& f) { return f.kind; },
                            [](F& f, TKind v) { f.kind = v; })
                      .Set("Options", {"opFirst", "opSecond", "opThird"}, [](F& f) { return f.options; },
                           [](F& f, TOptions v) { f.options = v; }, TOptions{opFirst})
                      .Float("Ratio", [](F& f) { return f.ratio; }, [](F& f, double v) { f.ratio = v; })
                      .DateTime("Stamp", [](F& f) { return f.stamp; }, [](F& f, double v) { f.stamp = v; })
                      .Char("Accel", [](F& f) { return f.accel; }, [](F& f, char v) { f.accel = v; })
                      .Binary("Data", [](F& f) { return f.data; }, [](F& f, const std::string& v) { f.data = v; })
                      .Strings("Lines", [](F& f) { return &f.lines; })
                      .Persistent("Font", [](F& f) { return &f.font; })
                      .Collection("Entries", [](F& f) { return &f.entries; })
                      .Component<TComponent>("Peer", [](F& f) { return f.peer; }, [](F& f, TComponent* v) { f.peer = v; })
                      .Event<TNotifyEvent>("OnActivate", [](F& f) { return f.onActivate; },
                                           [](F& f, TNotifyEvent e) { f.onActivate = e; })
                      .Method<TNotifyEvent>("FormActivate", &F::FormActivate)
                      .Method<TQueryEvent>("WidgetQuery", &F::WidgetQuery));
}

}  // namespace sample
