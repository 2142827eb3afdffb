#include "paths/cmp_TPathSpecifier.h"

#include <algorithm>

#include "vcl/classes/class_registry.h"

TCustomPathSpecifier::TCustomPathSpecifier(TComponent* owner) : TComponent(owner) { PathSpecifiers().Add(this); }

TCustomPathSpecifier::~TCustomPathSpecifier() { PathSpecifiers().Remove(this); }

void TCustomPathSpecifier::CheckObject(TComponent* object) { (void)object; }
std::string TCustomPathSpecifier::GetDescription() { return "Unspecified"; }
std::string TCustomPathSpecifier::GetObjectDescription(TComponent* object) {
    (void)object;
    return GetDescription();
}
std::string TCustomPathSpecifier::GetPath(TComponent* object) {
    std::string path;
    if (onGetPath_) onGetPath_(object, path);
    return path;
}
std::string TCustomPathSpecifier::GetShortName() { return GetDescription(); }
std::string TCustomPathSpecifier::GetObjectShortName(TComponent* object) { return GetObjectDescription(object); }

TPathSpecifier::TPathSpecifier(TComponent* owner) : TCustomPathSpecifier(owner) {}

std::string TPathSpecifier::ExpandPathVariable(const std::string& text, const std::string& path) {
    std::string result;
    bool percent = false;
    for (char c : text) {
        if (!percent) {
            if (c == '%')
                percent = true;
            else
                result += c;
            continue;
        }
        if (c == 'p' || c == 'P')
            result += path;
        else
            result += c;
        percent = false;
    }
    return result;
}

TStandardPathSpecifier::TStandardPathSpecifier(TComponent* owner) : TCustomPathSpecifier(owner) {
    StandardPathSpecifiers().Add(this);
}

TStandardPathSpecifier::~TStandardPathSpecifier() { StandardPathSpecifiers().Remove(this); }

void TPathSpecifierList::Add(TCustomPathSpecifier* specifier) {
    if (specifier == nullptr) throw IEPathSpecifierList("Tried to add a nil object to the path specifier list");
    items_.push_back(specifier);
}

void TPathSpecifierList::Remove(TCustomPathSpecifier* specifier) {
    if (auto it = std::find(items_.begin(), items_.end(), specifier); it != items_.end()) items_.erase(it);
}

TCustomPathSpecifier* TPathSpecifierList::Find(const TClassInfo& cls) const {
    for (TCustomPathSpecifier* specifier : items_)
        if (const TClassInfo* info = ClassInfoOf(*specifier); info != nullptr && info->InheritsFrom(&cls))
            return specifier;
    return nullptr;
}

TCustomPathSpecifier* TPathSpecifierList::FindByClass(const TClassInfo& cls) const {
    if (TCustomPathSpecifier* specifier = Find(cls)) return specifier;
    throw IEPathSpecifier("Could not find the path specifier");
}

void TPathSpecifierClassList::Add(const TClassInfo* cls) {
    if (cls == nullptr) throw IEPathSpecifierClassList("Tried to add a nil object to the path specifier list");
    items_.push_back(cls);
}

bool TPathSpecifierClassList::Contains(const TClassInfo* cls) const {
    return std::find(items_.begin(), items_.end(), cls) != items_.end();
}

TPathSpecifierList& PathSpecifiers() {
    static TPathSpecifierList list;
    return list;
}

TStandardPathSpecList& StandardPathSpecifiers() {
    static TStandardPathSpecList list;
    return list;
}

TPathSpecifierClassList& PathSpecifierClasses() {
    static TPathSpecifierClassList list;
    return list;
}

void RegisterSpecifierClass(const TClassInfo* cls) {
    if (cls != nullptr && PathSpecifierClasses().Contains(cls)) return;
    PathSpecifierClasses().Add(cls);
}

void EnsureSpecifier(const TClassInfo& cls, TComponent* owner, bool onlyIfMissing) {
    if (onlyIfMissing && PathSpecifiers().Find(cls) != nullptr) return;
    auto* specifier = dynamic_cast<TCustomPathSpecifier*>(cls.Create(owner));
    if (specifier == nullptr) return;
    try {
        specifier->SetName(specifier->DefaultName());
    } catch (...) {
        Free(specifier);
        throw;
    }
}

void EnsureSpecifiers(TComponent* owner, bool onlyIfMissing) {
    if (owner == nullptr) return;
    for (int i = 0; i < PathSpecifierClasses().Count(); ++i)
        EnsureSpecifier(*PathSpecifierClasses().Items(i), owner, onlyIfMissing);
}
