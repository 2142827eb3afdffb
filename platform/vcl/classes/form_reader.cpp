#include "vcl/classes/form_reader.h"

#include <limits>

#include "vcl/classes/collection.h"
#include "vcl/classes/component.h"
#include "vcl/classes/strings.h"
#include "vcl/classes/text_compare.h"

namespace {

TFindGlobalComponent& GlobalLookup() {
    static TFindGlobalComponent find;
    return find;
}

std::vector<std::string> SplitDots(const std::string& name) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t dot = name.find('.', start);
        parts.push_back(name.substr(start, dot - start));
        if (dot == std::string::npos) return parts;
        start = dot + 1;
    }
}

std::string Spelling(const TFormValue& v) {
    switch (v.kind) {
        case TFormValue::Integer: return std::to_string(v.integer);
        case TFormValue::Ident: return v.text;
        case TFormValue::String: return "'" + v.text + "'";
        default: return std::string();
    }
}

}  // namespace

class TFormReader {
public:
    explicit TFormReader(TComponent* root) : root_(root) {}

    // Reads `node` into the root; on failure frees what was created and
    // rethrows as EFormDeclarationError.
    void Read(const TFormObject& node) {
        try {
            ReadRoot(node);
        } catch (const EFormDeclarationError&) {
            Undo();
            throw;
        } catch (const std::exception& e) {
            Undo();
            throw EFormDeclarationError(line_, e.what());
        }
    }

private:
    struct Fixup {
        TObject* target;
        const TPropertyInfo* property;
        std::string name;
        int line;
    };

    [[noreturn]] void Fail(const std::string& reason) const { throw EFormDeclarationError(line_, reason); }

    void StartLoading(TComponent* c, int line) {
        c->SetState(csLoading, true);
        c->SetState(csReading, true);
        loading_.push_back(c);
        loadingLines_.push_back(line);
    }

    void ReadRoot(const TFormObject& node) {
        line_ = node.line;
        if (!textcompare::SameText(node.className, root_->ClassName()))
            Fail("Declaration of class " + node.className + " cannot be read into a " + root_->ClassName());
        StartLoading(root_, node.line);
        if (root_->Name().empty() && !node.name.empty()) root_->SetName(node.name);
        ReadBody(root_, node);
        ResolveFixups();
        for (size_t i = 0; i < loading_.size(); ++i) {
            line_ = loadingLines_[i];
            loading_[i]->Loaded();
        }
        for (TComponent* c : loading_) c->SetState(csLoading, false);
        loading_.clear();
        loadingLines_.clear();
        created_.clear();
    }

    void ReadBody(TComponent* component, const TFormObject& node) {
        for (const TFormProperty& p : node.properties) {
            line_ = p.line;
            ApplyProperty(*component, p.name, p.value);
        }
        for (const TFormObject& child : node.children) ReadChild(child, component);
        component->SetState(csReading, false);
    }

    void ReadChild(const TFormObject& node, TComponent* outer) {
        line_ = node.line;
        TComponent* component = nullptr;
        if (node.kind != TFormObject::Object) {
            component = root_->FindComponent(node.name);
            if (component == nullptr && outer != root_) component = outer->FindComponent(node.name);
            if (component == nullptr && node.kind == TFormObject::Inherited)
                Fail("Ancestor for '" + node.name + "' not found");
            if (component != nullptr && !textcompare::SameText(component->ClassName(), node.className))
                Fail(node.name + " is a " + component->ClassName() + ", not a " + node.className);
        }
        if (component == nullptr) {
            const TClassInfo& info = FindClass(node.className);
            component = info.Create(root_);
            created_.push_back(component);
            StartLoading(component, node.line);
            component->SetName(node.name);
        } else {
            StartLoading(component, node.line);
        }
        component->SetParentComponent(outer);
        ReadBody(component, node);
    }

    void ApplyProperty(TObject& target, const std::string& name, const TFormValue& value) {
        const std::vector<std::string> parts = SplitDots(name);
        TObject* object = &target;
        for (size_t i = 0; i < parts.size(); ++i) {
            const TClassInfo* info = ClassInfoOf(*object);
            const TPropertyInfo* property = info != nullptr ? info->FindProperty(parts[i]) : nullptr;
            if (property == nullptr) Fail("Property " + name + " does not exist");
            if (i + 1 == parts.size()) return ApplyValue(*object, *property, value);
            const bool linesOfStrings = property->Kind == TPropertyKind::Strings && i + 2 == parts.size() &&
                                        textcompare::SameText(parts[i + 1], "Strings");
            if (linesOfStrings) return ApplyValue(*object, *property, value);
            if (property->Kind != TPropertyKind::Persistent) Fail("Property " + name + " does not exist");
            object = property->GetObject(*object);
            if (object == nullptr) Fail("Property " + name + " does not exist");
        }
    }

    [[noreturn]] void BadValue(const TPropertyInfo& p, const TFormValue& v) const {
        const std::string spelled = Spelling(v);
        Fail("Invalid property value for " + p.Name + (spelled.empty() ? "" : ": " + spelled));
    }

    int OrdinalOf(const std::vector<std::string>& names, const std::string& name) const {
        for (size_t i = 0; i < names.size(); ++i)
            if (textcompare::SameText(names[i], name)) return static_cast<int>(i);
        return -1;
    }

    void ApplyValue(TObject& object, const TPropertyInfo& p, const TFormValue& v) {
        switch (p.Kind) {
            case TPropertyKind::Integer: {
                int64_t n = v.integer;
                if (v.kind == TFormValue::Ident) {
                    bool found = false;
                    for (const auto& [ident, value] : p.Idents)
                        if (textcompare::SameText(ident, v.text)) {
                            n = value;
                            found = true;
                        }
                    if (!found) BadValue(p, v);
                } else if (v.kind != TFormValue::Integer || n < std::numeric_limits<int32_t>::min() ||
                           n > std::numeric_limits<int32_t>::max()) {
                    BadValue(p, v);
                }
                return p.SetOrdinal(object, n);
            }
            case TPropertyKind::Boolean: {
                const int ordinal = v.kind == TFormValue::Ident ? OrdinalOf({"False", "True"}, v.text) : -1;
                if (ordinal < 0) BadValue(p, v);
                return p.SetOrdinal(object, ordinal);
            }
            case TPropertyKind::Char:
                if (v.kind != TFormValue::String || v.text.size() != 1) BadValue(p, v);
                return p.SetOrdinal(object, static_cast<unsigned char>(v.text[0]));
            case TPropertyKind::Enumeration: {
                const int ordinal = v.kind == TFormValue::Ident ? OrdinalOf(p.EnumNames, v.text) : -1;
                if (ordinal < 0) BadValue(p, v);
                return p.SetOrdinal(object, ordinal);
            }
            case TPropertyKind::Set: {
                if (v.kind != TFormValue::Set) BadValue(p, v);
                uint64_t bits = 0;
                for (const std::string& name : v.names) {
                    const int ordinal = OrdinalOf(p.EnumNames, name);
                    if (ordinal < 0 || ordinal >= 64) Fail("Invalid property value for " + p.Name + ": " + name);
                    bits |= uint64_t{1} << ordinal;
                }
                return p.SetOrdinal(object, static_cast<int64_t>(bits));
            }
            case TPropertyKind::Float:
            case TPropertyKind::DateTime:
                if (v.kind == TFormValue::Integer) return p.SetFloat(object, static_cast<double>(v.integer));
                if (v.kind != TFormValue::Float) BadValue(p, v);
                return p.SetFloat(object, v.number);
            case TPropertyKind::String:
                if (v.kind != TFormValue::String) BadValue(p, v);
                return p.SetString(object, v.text);
            case TPropertyKind::Binary:
                if (v.kind != TFormValue::Binary) BadValue(p, v);
                return p.SetString(object, v.text);
            case TPropertyKind::Component:
            case TPropertyKind::Event:
                if (v.kind != TFormValue::Ident) BadValue(p, v);
                if (textcompare::SameText(v.text, "nil")) {
                    if (p.Kind == TPropertyKind::Component) return p.SetObject(object, nullptr);
                    return p.SetEvent(object, std::any());
                }
                fixups_.push_back({&object, &p, v.text, line_});
                return;
            case TPropertyKind::Strings: {
                auto* strings = dynamic_cast<TStrings*>(p.GetObject(object));
                if (strings == nullptr || v.kind != TFormValue::List) BadValue(p, v);
                for (const TFormValue& item : v.items)
                    if (item.kind != TFormValue::String) BadValue(p, item);
                strings->BeginUpdate();
                try {
                    strings->Clear();
                    for (const TFormValue& item : v.items) strings->Add(item.text);
                } catch (...) {
                    strings->EndUpdate();
                    throw;
                }
                strings->EndUpdate();
                return;
            }
            case TPropertyKind::Collection:
                return ApplyCollection(object, p, v);
            case TPropertyKind::Persistent:
                BadValue(p, v);
        }
    }

    void ApplyCollection(TObject& object, const TPropertyInfo& p, const TFormValue& v) {
        auto* collection = dynamic_cast<TCollection*>(p.GetObject(object));
        if (collection == nullptr || v.kind != TFormValue::Collection) BadValue(p, v);
        collection->BeginUpdate();
        try {
            collection->Clear();
            for (size_t i = 0; i < v.collectionItems.size(); ++i) {
                line_ = v.collectionItemLines[i];
                TCollectionItem* item = collection->Add();
                for (const TFormProperty& ip : v.collectionItems[i]) {
                    line_ = ip.line;
                    ApplyProperty(*item, ip.name, ip.value);
                }
            }
        } catch (...) {
            // References into items that are freed with the collection
            // must not be resolved later.
            fixups_.clear();
            collection->EndUpdate();
            throw;
        }
        collection->EndUpdate();
    }

    TComponent* ResolveComponent(const std::string& dotted) const {
        const std::vector<std::string> parts = SplitDots(dotted);
        TComponent* found = nullptr;
        size_t next = 1;
        if (parts.size() == 1) {
            found = root_->FindComponent(parts[0]);
            if (found == nullptr && textcompare::SameText(parts[0], root_->Name())) found = root_;
            return found;
        }
        if (textcompare::SameText(parts[0], root_->Name()))
            found = root_;
        else if (GlobalLookup())
            found = GlobalLookup()(parts[0]);
        for (; found != nullptr && next < parts.size(); ++next) found = found->FindComponent(parts[next]);
        return found;
    }

    void ResolveFixups() {
        const TClassInfo* rootInfo = ClassInfoOf(*root_);
        for (const Fixup& f : fixups_) {
            line_ = f.line;
            const TPropertyInfo& p = *f.property;
            if (p.Kind == TPropertyKind::Component) {
                TComponent* target = ResolveComponent(f.name);
                if (target == nullptr) Fail("Unresolved reference to " + f.name + " in " + p.Name);
                if (!p.AcceptsObject(target)) {
                    const TClassInfo* wanted = ClassInfoOf(p.ObjectType);
                    Fail("Invalid property value for " + p.Name + ": " + f.name + " is not a " +
                         (wanted != nullptr ? wanted->Name() : p.ObjectType.name()));
                }
                p.SetObject(*f.target, target);
                continue;
            }
            const TMethodInfo* method = rootInfo != nullptr ? rootInfo->FindMethod(f.name) : nullptr;
            if (method == nullptr) Fail("Method " + f.name + " does not exist");
            if (method->EventType != p.EventType)
                Fail("Method " + f.name + " does not match the type of " + p.Name);
            p.SetEvent(*f.target, method->Bind(*root_));
        }
        fixups_.clear();
    }

    void Undo() {
        fixups_.clear();
        for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
            for (size_t i = 0; i < loading_.size(); ++i)
                if (loading_[i] == *it) {
                    loading_.erase(loading_.begin() + static_cast<std::ptrdiff_t>(i));
                    loadingLines_.erase(loadingLines_.begin() + static_cast<std::ptrdiff_t>(i));
                    break;
                }
            Free(*it);
        }
        created_.clear();
        for (TComponent* c : loading_) {
            c->SetState(csLoading, false);
            c->SetState(csReading, false);
        }
        loading_.clear();
        loadingLines_.clear();
    }

    TComponent* root_;
    std::vector<TComponent*> created_;
    std::vector<TComponent*> loading_;
    std::vector<int> loadingLines_;  // declaration line of each
    std::vector<Fixup> fixups_;
    int line_ = 0;
};

void ReadFormDeclaration(TComponent* root, const std::string& text) {
    const TFormObject node = ParseFormDeclaration(text);
    TFormReader(root).Read(node);
}

TComponent* CreateFromFormDeclaration(const std::string& text, TComponent* owner) {
    const TFormObject node = ParseFormDeclaration(text);
    TComponent* root = nullptr;
    try {
        root = FindClass(node.className).Create(owner);
    } catch (const std::exception& e) {
        throw EFormDeclarationError(node.line, e.what());
    }
    try {
        TFormReader(root).Read(node);
    } catch (...) {
        Free(root);
        throw;
    }
    return root;
}

void SetFindGlobalComponent(TFindGlobalComponent find) { GlobalLookup() = std::move(find); }
