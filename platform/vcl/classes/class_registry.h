#pragma once
// The class registry: classes known by name, with their published
// properties and published methods, as the form reader and writer use them.
//
// A class is declared with the builder of class_builder.h and registered
// once (registering the same class again does nothing):
//
//   RegisterClass(DeclareClass<TInstallDirectory, TFileContainer>("TInstallDirectory")
//       .String("Description", &TInstallDirectory::Description, &TInstallDirectory::SetDescription)
//       .Enum("AddToArchive", {"lzcOverwrite", "lzcSkip"}, &T::AddToArchive, &T::SetAddToArchive,
//             lzcOverwrite));
//
// Registration runs from code (a unit's RegisterXxx function called before
// its forms are read), never from static initialisers, which a static
// library may drop. TPersistent, TComponent (Name, Tag), TStrings,
// TStringList, TCollection and TCollectionItem are always registered.
//
// Property values travel as the kind's plain C++ form: ordinals (Integer,
// Boolean, Char, enumeration ordinal, set bits) as int64_t, Float and
// DateTime as double, String and Binary as std::string bytes, object
// references as TObject*, events as std::any holding the event's TMethod
// type (empty: no handler).

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <typeindex>
#include <variant>
#include <vector>

#include "vcl/system/exception.h"

class TObject;
class TComponent;

// Errors of the class registry and of form declarations.
class EFilerError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
// A named class that is not registered: "Class TFoo not found".
class EClassNotFound : public EFilerError {
public:
    using EFilerError::EFilerError;
};

enum class TPropertyKind {
    Integer,      // int32_t, optionally with named values (clBtnFace)
    Boolean,      // True / False
    Char,         // one character
    Enumeration,  // named values, ordinal = position in EnumNames
    Set,          // [a, b] of EnumNames, stored as bits
    Float,
    DateTime,     // TDateTime (days since 30 December 1899)
    String,       // ANSI string
    Component,    // reference to another component, resolved by name
    Event,        // method pointer bound to a published method by name
    Strings,      // owned TStrings, its lines
    Persistent,   // owned object with sub-properties (Font.Name)
    Collection,   // owned TCollection, its items
    Binary,       // bytes
};

using TPropertyDefault = std::variant<std::monostate, int64_t, double, std::string>;

struct TPropertyInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::Integer;
    // Value names of Enumeration and Set properties.
    std::vector<std::string> EnumNames;
    // Named values an Integer property also accepts.
    std::vector<std::pair<std::string, int32_t>> Idents;
    // The value not written to a declaration (nothing: always written).
    TPropertyDefault Default;

    std::function<int64_t(TObject&)> GetOrdinal;
    std::function<void(TObject&, int64_t)> SetOrdinal;
    std::function<double(TObject&)> GetFloat;
    std::function<void(TObject&, double)> SetFloat;
    std::function<std::string(TObject&)> GetString;
    std::function<void(TObject&, const std::string&)> SetString;
    // Component: the referenced component; Strings, Persistent,
    // Collection: the owned object (no setter).
    std::function<TObject*(TObject&)> GetObject;
    std::function<void(TObject&, TObject*)> SetObject;
    // Component: whether a component may be referenced (its class).
    std::function<bool(const TObject*)> AcceptsObject;
    std::type_index ObjectType = typeid(void);
    // Event: the TMethod type, the published method's name of the current
    // handler, and the setter taking a std::any of that type.
    std::type_index EventType = typeid(void);
    std::function<std::string(TObject&)> GetMethodName;
    std::function<void(TObject&, const std::any&)> SetEvent;
};

struct TMethodInfo {
    std::string Name;
    std::type_index EventType = typeid(void);
    // The event value (std::any of EventType) calling this method on
    // `instance`, which must be of the declaring class.
    std::function<std::any(TObject& instance)> Bind;
};

class TClassInfo {
public:
    TClassInfo(std::string name, std::type_index type, const TClassInfo* parent);

    const std::string& Name() const { return name_; }
    std::type_index Type() const { return type_; }
    const TClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo* other) const;

    // Components can be created by name; Create raises EClassNotFound for
    // other classes.
    bool IsComponent() const { return static_cast<bool>(create_); }
    TComponent* Create(TComponent* owner) const;

    // This class's property of that name (ignoring case), its own
    // declaration before an inherited one; nullptr when there is none.
    const TPropertyInfo* FindProperty(const std::string& name) const;
    // Every published property, the base class's first, each name once.
    std::vector<const TPropertyInfo*> Properties() const;
    // The published method of that name (ignoring case), inherited ones
    // included; nullptr when there is none.
    const TMethodInfo* FindMethod(const std::string& name) const;

    // For the builder.
    void SetFactory(std::function<TComponent*(TComponent*)> create) { create_ = std::move(create); }
    void AddProperty(TPropertyInfo property);
    void AddMethod(TMethodInfo method);

private:
    std::string name_;
    std::type_index type_;
    const TClassInfo* parent_;
    std::function<TComponent*(TComponent*)> create_;
    std::vector<TPropertyInfo> properties_;
    std::vector<TMethodInfo> methods_;
};

// Registers a class declared with the builder; returns the registry's
// entry. The same C++ class again returns the first entry; another class
// of a registered name raises EFilerError "A class named TFoo already exists".
const TClassInfo& RegisterClassInfo(TClassInfo info);
// nullptr when no class of that name (ignoring case) is registered.
const TClassInfo* GetClass(const std::string& name);
// EClassNotFound "Class TFoo not found" when none is registered.
const TClassInfo& FindClass(const std::string& name);
// The entry of a C++ class, nullptr when it is not registered.
const TClassInfo* ClassInfoOf(std::type_index type);
// The entry of an object's class: its C++ class, else its ClassName().
const TClassInfo* ClassInfoOf(const TObject& object);

// A registered component class created by name with `owner`.
TComponent* CreateComponent(const std::string& className, TComponent* owner);
