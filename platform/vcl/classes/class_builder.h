#pragma once
// DeclareClass: the short way to declare a class's published properties and
// methods for the class registry (class_registry.h).
//
// Getters are called with the object (`T&`) and setters with the object
// and the value, so member function pointers and lambdas both serve:
//
//   RegisterClass(DeclareClass<TForm1, TForm>("TForm1")
//       .Integer("Width", &TForm1::Width, &TForm1::SetWidth, 75)
//       .Boolean("Visible", &TForm1::Visible, &TForm1::SetVisible, true)
//       .Enum("Position", {"poDesigned", "poCentered"}, &TForm1::Position, &TForm1::SetPosition)
//       .Set("Options", {"itFull", "itDefault", "itCompact"}, &TForm1::Options, &TForm1::SetOptions,
//            TInstallTypeSet{itFull})
//       .Component<TInstall>("Install", &TForm1::Install, &TForm1::SetInstall)
//       .Event<TNotifyEvent>("OnActivate", &TForm1::OnActivate, &TForm1::SetOnActivate)
//       .Strings("Lines", [](TForm1& f) { return f.Lines(); })
//       .Persistent("Font", [](TForm1& f) { return f.Font(); })
//       .Method<TNotifyEvent>("FormActivate", &TForm1::FormActivate));
//
// A derived class republishes an inherited property with another default by
// `.Default("Width", 100)`. Components (classes constructible from an
// owner) can then be created by name.

#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>

#include "vcl/classes/class_registry.h"
#include "vcl/classes/collection.h"
#include "vcl/classes/component.h"
#include "vcl/classes/strings.h"

template <class T>
class TClassBuilder {
public:
    TClassBuilder(std::string name, const TClassInfo* parent) : info_(std::move(name), typeid(T), parent) {
        if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*>)
            info_.SetFactory([](TComponent* owner) -> TComponent* { return new T(owner); });
    }

    const TClassInfo& Info() const { return info_; }

    template <class G, class S>
    TClassBuilder& Integer(std::string name, G get, S set, int32_t def = 0,
                           std::vector<std::pair<std::string, int32_t>> idents = {}) {
        TPropertyInfo p = Ordinal(std::move(name), TPropertyKind::Integer, get, set, def);
        p.Idents = std::move(idents);
        return Add(std::move(p));
    }
    template <class G, class S>
    TClassBuilder& Boolean(std::string name, G get, S set, bool def = false) {
        return Add(Ordinal(std::move(name), TPropertyKind::Boolean, get, set, def ? 1 : 0));
    }
    template <class G, class S>
    TClassBuilder& Char(std::string name, G get, S set, char def = '\0') {
        return Add(Ordinal(std::move(name), TPropertyKind::Char, get, set, static_cast<unsigned char>(def)));
    }
    // `names` in ordinal order; the getter returns the enumeration.
    template <class G, class S, class E = int>
    TClassBuilder& Enum(std::string name, std::initializer_list<const char*> names, G get, S set, E def = {}) {
        TPropertyInfo p = Ordinal(std::move(name), TPropertyKind::Enumeration, get, set, static_cast<int64_t>(def));
        p.EnumNames.assign(names.begin(), names.end());
        return Add(std::move(p));
    }
    // `names` of the element enumeration; the getter returns a TSet.
    template <class G, class S, class D = TSet<int>>
    TClassBuilder& Set(std::string name, std::initializer_list<const char*> names, G get, S set, D def = {}) {
        TPropertyInfo p = Named(std::move(name), TPropertyKind::Set);
        p.EnumNames.assign(names.begin(), names.end());
        p.Default = static_cast<int64_t>(def.Bits());
        p.GetOrdinal = [get](TObject& o) { return static_cast<int64_t>(std::invoke(get, Self(o)).Bits()); };
        p.SetOrdinal = [set](TObject& o, int64_t v) {
            using SetType = std::decay_t<std::invoke_result_t<G, T&>>;
            std::invoke(set, Self(o), SetType::FromBits(static_cast<uint64_t>(v)));
        };
        return Add(std::move(p));
    }
    template <class G, class S>
    TClassBuilder& Float(std::string name, G get, S set, double def = 0) {
        return Add(Floating(std::move(name), TPropertyKind::Float, get, set, def));
    }
    template <class G, class S>
    TClassBuilder& DateTime(std::string name, G get, S set, double def = 0) {
        return Add(Floating(std::move(name), TPropertyKind::DateTime, get, set, def));
    }
    template <class G, class S>
    TClassBuilder& String(std::string name, G get, S set, std::string def = {}) {
        return Add(Text(std::move(name), TPropertyKind::String, get, set, std::move(def)));
    }
    template <class G, class S>
    TClassBuilder& Binary(std::string name, G get, S set) {
        return Add(Text(std::move(name), TPropertyKind::Binary, get, set, std::string()));
    }
    // A reference to a component of class R (or derived), nil by default.
    template <class R, class G, class S>
    TClassBuilder& Component(std::string name, G get, S set) {
        TPropertyInfo p = Named(std::move(name), TPropertyKind::Component);
        p.ObjectType = typeid(R);
        p.GetObject = [get](TObject& o) -> TObject* { return std::invoke(get, Self(o)); };
        p.SetObject = [set](TObject& o, TObject* v) { std::invoke(set, Self(o), dynamic_cast<R*>(v)); };
        p.AcceptsObject = [](const TObject* v) { return v == nullptr || dynamic_cast<const R*>(v) != nullptr; };
        return Add(std::move(p));
    }
    // An event of type E (a TMethod), unassigned by default.
    template <class E, class G, class S>
    TClassBuilder& Event(std::string name, G get, S set) {
        TPropertyInfo p = Named(std::move(name), TPropertyKind::Event);
        p.EventType = typeid(E);
        p.GetMethodName = [get](TObject& o) { return E(std::invoke(get, Self(o))).MethodName(); };
        p.SetEvent = [set](TObject& o, const std::any& v) {
            std::invoke(set, Self(o), v.has_value() ? std::any_cast<E>(v) : E());
        };
        return Add(std::move(p));
    }
    // Owned objects: the getter returns the object, whose content the form
    // reader fills.
    template <class G>
    TClassBuilder& Strings(std::string name, G get) {
        return Add(Owned(std::move(name), TPropertyKind::Strings, get));
    }
    template <class G>
    TClassBuilder& Persistent(std::string name, G get) {
        return Add(Owned(std::move(name), TPropertyKind::Persistent, get));
    }
    template <class G>
    TClassBuilder& Collection(std::string name, G get) {
        return Add(Owned(std::move(name), TPropertyKind::Collection, get));
    }
    // Republishes an inherited property with another default.
    TClassBuilder& Default(const std::string& name, TPropertyDefault def) {
        const TClassInfo* parent = info_.Parent();
        const TPropertyInfo* inherited = parent != nullptr ? parent->FindProperty(name) : nullptr;
        if (inherited == nullptr) throw EFilerError("Property " + name + " does not exist");
        TPropertyInfo p = *inherited;
        if (auto* i = std::get_if<int64_t>(&def); i && std::holds_alternative<double>(p.Default))
            def = static_cast<double>(*i);
        p.Default = std::move(def);
        return Add(std::move(p));
    }
    // A published method, bound by name from form declarations.
    template <class E, class M>
    TClassBuilder& Method(std::string name, M method) {
        TMethodInfo m;
        m.Name = name;
        m.EventType = typeid(E);
        m.Bind = [method, name](TObject& instance) { return std::any(E(&Self(instance), method, name)); };
        info_.AddMethod(std::move(m));
        return *this;
    }

private:
    static T& Self(TObject& o) { return dynamic_cast<T&>(o); }
    static TPropertyInfo Named(std::string name, TPropertyKind kind) {
        TPropertyInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        return p;
    }

    TClassBuilder& Add(TPropertyInfo p) {
        info_.AddProperty(std::move(p));
        return *this;
    }
    template <class G, class S>
    static TPropertyInfo Ordinal(std::string name, TPropertyKind kind, G get, S set, int64_t def) {
        TPropertyInfo p = Named(std::move(name), kind);
        p.Default = def;
        p.GetOrdinal = [get](TObject& o) {
            const auto v = std::invoke(get, Self(o));
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, char>)
                return static_cast<int64_t>(static_cast<unsigned char>(v));
            else
                return static_cast<int64_t>(v);
        };
        p.SetOrdinal = [set](TObject& o, int64_t v) {
            using V = std::decay_t<std::invoke_result_t<G, T&>>;
            std::invoke(set, Self(o), static_cast<V>(v));
        };
        return p;
    }
    template <class G, class S>
    static TPropertyInfo Floating(std::string name, TPropertyKind kind, G get, S set, double def) {
        TPropertyInfo p = Named(std::move(name), kind);
        p.Default = def;
        p.GetFloat = [get](TObject& o) { return static_cast<double>(std::invoke(get, Self(o))); };
        p.SetFloat = [set](TObject& o, double v) { std::invoke(set, Self(o), v); };
        return p;
    }
    template <class G, class S>
    static TPropertyInfo Text(std::string name, TPropertyKind kind, G get, S set, std::string def) {
        TPropertyInfo p = Named(std::move(name), kind);
        p.Default = std::move(def);
        p.GetString = [get](TObject& o) { return std::string(std::invoke(get, Self(o))); };
        p.SetString = [set](TObject& o, const std::string& v) { std::invoke(set, Self(o), v); };
        return p;
    }
    template <class G>
    static TPropertyInfo Owned(std::string name, TPropertyKind kind, G get) {
        TPropertyInfo p = Named(std::move(name), kind);
        p.GetObject = [get](TObject& o) -> TObject* { return std::invoke(get, Self(o)); };
        return p;
    }

    TClassInfo info_;
};

// Starts the declaration of class T, published as `name`, derived from the
// registered class Base (EClassNotFound when Base is not registered).
template <class T, class Base>
TClassBuilder<T> DeclareClass(std::string name) {
    static_assert(std::is_base_of_v<Base, T>, "T must derive from Base");
    const TClassInfo* parent = ClassInfoOf(typeid(Base));
    if (parent == nullptr) throw EClassNotFound("Class " + std::string(typeid(Base).name()) + " not found");
    return TClassBuilder<T>(std::move(name), parent);
}

template <class T>
const TClassInfo& RegisterClass(const TClassBuilder<T>& declaration) {
    return RegisterClassInfo(declaration.Info());
}
