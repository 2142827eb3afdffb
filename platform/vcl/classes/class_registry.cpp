#include "vcl/classes/class_registry.h"

#include <map>
#include <memory>

#include "vcl/classes/class_builder.h"
#include "vcl/classes/collection.h"
#include "vcl/classes/component.h"
#include "vcl/classes/strings.h"
#include "vcl/classes/text_compare.h"

namespace {

struct Registry {
    std::vector<std::unique_ptr<TClassInfo>> classes;
    std::map<std::type_index, const TClassInfo*> byType;
};

const TClassInfo* Find(const Registry& r, const std::string& name) {
    for (const auto& c : r.classes)
        if (textcompare::SameText(c->Name(), name)) return c.get();
    return nullptr;
}

const TClassInfo& Add(Registry& r, TClassInfo info) {
    if (auto it = r.byType.find(info.Type()); it != r.byType.end()) return *it->second;
    if (Find(r, info.Name()) != nullptr) throw EFilerError("A class named " + info.Name() + " already exists");
    r.classes.push_back(std::make_unique<TClassInfo>(std::move(info)));
    const TClassInfo* added = r.classes.back().get();
    r.byType[added->Type()] = added;
    return *added;
}

Registry& TheRegistry();

// The class library's own classes, present before anything registers.
void RegisterBuiltins(Registry& r) {
    Add(r, TClassInfo("TPersistent", typeid(TPersistent), nullptr));
    const TClassInfo* persistent = r.classes.back().get();
    TClassInfo component("TComponent", typeid(TComponent), persistent);
    component.SetFactory([](TComponent* owner) { return new TComponent(owner); });
    TPropertyInfo name;
    name.Name = "Name";
    name.Kind = TPropertyKind::String;
    name.Default = std::string();
    name.GetString = [](TObject& o) { return dynamic_cast<TComponent&>(o).Name(); };
    name.SetString = [](TObject& o, const std::string& v) { dynamic_cast<TComponent&>(o).SetName(v); };
    component.AddProperty(name);
    TPropertyInfo tag;
    tag.Name = "Tag";
    tag.Kind = TPropertyKind::Integer;
    tag.Default = int64_t{0};
    tag.GetOrdinal = [](TObject& o) { return int64_t{dynamic_cast<TComponent&>(o).Tag()}; };
    tag.SetOrdinal = [](TObject& o, int64_t v) { dynamic_cast<TComponent&>(o).SetTag(static_cast<int32_t>(v)); };
    component.AddProperty(tag);
    Add(r, std::move(component));
    Add(r, TClassInfo("TStrings", typeid(TStrings), persistent));
    Add(r, TClassInfo("TStringList", typeid(TStringList), r.byType.at(typeid(TStrings))));
    Add(r, TClassInfo("TCollection", typeid(TCollection), persistent));
    Add(r, TClassInfo("TCollectionItem", typeid(TCollectionItem), persistent));
}

Registry& TheRegistry() {
    static Registry* registry = [] {
        auto* r = new Registry;
        RegisterBuiltins(*r);
        return r;
    }();
    return *registry;
}

}  // namespace

TClassInfo::TClassInfo(std::string name, std::type_index type, const TClassInfo* parent)
    : name_(std::move(name)), type_(type), parent_(parent) {}

bool TClassInfo::InheritsFrom(const TClassInfo* other) const {
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
        if (c == other) return true;
    return false;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
    if (!create_) throw EClassNotFound("Class " + name_ + " is not a component class");
    return create_(owner);
}

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name) const {
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
        for (const TPropertyInfo& p : c->properties_)
            if (textcompare::SameText(p.Name, name)) return &p;
    return nullptr;
}

std::vector<const TPropertyInfo*> TClassInfo::Properties() const {
    std::vector<const TPropertyInfo*> result;
    if (parent_ != nullptr) result = parent_->Properties();
    for (const TPropertyInfo& p : properties_) {
        bool replaced = false;
        for (auto& existing : result)
            if (textcompare::SameText(existing->Name, p.Name)) {
                existing = &p;
                replaced = true;
            }
        if (!replaced) result.push_back(&p);
    }
    return result;
}

const TMethodInfo* TClassInfo::FindMethod(const std::string& name) const {
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
        for (const TMethodInfo& m : c->methods_)
            if (textcompare::SameText(m.Name, name)) return &m;
    return nullptr;
}

void TClassInfo::AddProperty(TPropertyInfo property) {
    for (TPropertyInfo& p : properties_)
        if (textcompare::SameText(p.Name, property.Name)) {
            p = std::move(property);
            return;
        }
    properties_.push_back(std::move(property));
}

void TClassInfo::AddMethod(TMethodInfo method) { methods_.push_back(std::move(method)); }

const TClassInfo& RegisterClassInfo(TClassInfo info) { return Add(TheRegistry(), std::move(info)); }

const TClassInfo* GetClass(const std::string& name) { return Find(TheRegistry(), name); }

const TClassInfo& FindClass(const std::string& name) {
    const TClassInfo* c = GetClass(name);
    if (c == nullptr) throw EClassNotFound("Class " + name + " not found");
    return *c;
}

const TClassInfo* ClassInfoOf(std::type_index type) {
    const Registry& r = TheRegistry();
    const auto it = r.byType.find(type);
    return it == r.byType.end() ? nullptr : it->second;
}

const TClassInfo* ClassInfoOf(const TObject& object) {
    if (const TClassInfo* c = ClassInfoOf(typeid(object))) return c;
    return GetClass(object.ClassName());
}

TComponent* CreateComponent(const std::string& className, TComponent* owner) {
    return FindClass(className).Create(owner);
}
