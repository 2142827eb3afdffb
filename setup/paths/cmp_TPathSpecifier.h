#pragma once
// Path specifiers: components that name a base location and compute it on
// every request. An object's full path is its specifier's GetPath(object)
// followed by its own relative text ("\Tools").
//
// TCustomPathSpecifier is the base; TPathSpecifier takes its path from an
// event; TStandardPathSpecifier is the base of the built-in kinds, which a
// form holds one of each, named after the class ("psProgramFiles"). The
// kinds are registered (PathSpecifierClasses) in a fixed order: the 14 core
// kinds of this unit, the 15 shell folders (windows_folder_specifiers.h), the 6
// office folders (office_folder_specifiers.h).
//
// The lists below do not own their entries; specifiers are owned by their
// form. A specifier joins PathSpecifiers (and, for the standard kinds,
// StandardPathSpecifiers) when created and leaves when destroyed.

#include <string>
#include <vector>

#include "support/IException.h"
#include "vcl/classes/component.h"
#include "vcl/classes/events.h"

class TClassInfo;

class IEPathSpecifier : public IException {
public:
    using IException::IException;
};
class IEPathSpecifierList : public IException {
public:
    using IException::IException;
};
class IEPathSpecifierClassList : public IException {
public:
    using IException::IException;
};

using TGetPathEvent = TMethod<TComponent* /*Component*/, std::string& /*Path*/>;

class TCustomPathSpecifier : public TComponent {
public:
    explicit TCustomPathSpecifier(TComponent* owner);
    ~TCustomPathSpecifier() override;
    std::string ClassName() const override { return "TCustomPathSpecifier"; }

    // Raises IEPathSpecifier when `object` may not use this specifier; the
    // base accepts everything.
    virtual void CheckObject(TComponent* object);
    // The base's description is "Unspecified".
    virtual std::string GetDescription();
    virtual std::string GetObjectDescription(TComponent* object);
    // The path for `object`, without trailing backslash unless a kind says
    // otherwise; the base asks OnGetPath (empty without a handler).
    virtual std::string GetPath(TComponent* object);
    virtual std::string GetShortName();
    virtual std::string GetObjectShortName(TComponent* object);

    // The component name of an automatically created instance.
    const std::string& DefaultName() const { return defaultName_; }

    const TGetPathEvent& OnGetPath() const { return onGetPath_; }
    void SetOnGetPath(TGetPathEvent e) { onGetPath_ = std::move(e); }

protected:
    void SetDefaultName(std::string name) { defaultName_ = std::move(name); }

private:
    TGetPathEvent onGetPath_;
    std::string defaultName_;
};

// A specifier whose path a form supplies through OnGetPath.
class TPathSpecifier : public TCustomPathSpecifier {
public:
    explicit TPathSpecifier(TComponent* owner);
    std::string ClassName() const override { return "TPathSpecifier"; }

    std::string GetDescription() override { return description_; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& text) { description_ = text; }

    // `text` with "%p" replaced by `path` and "%%" by "%"; any other
    // character after "%" is kept without its "%".
    static std::string ExpandPathVariable(const std::string& text, const std::string& path);

private:
    std::string description_ = "My cool new path specifier";
};

class TStandardPathSpecifier : public TCustomPathSpecifier {
public:
    explicit TStandardPathSpecifier(TComponent* owner);
    ~TStandardPathSpecifier() override;
    std::string ClassName() const override { return "TStandardPathSpecifier"; }
};

class TPathSpecifierList {
public:
    virtual ~TPathSpecifierList() = default;
    // nullptr raises IEPathSpecifierList.
    void Add(TCustomPathSpecifier* specifier);
    void Remove(TCustomPathSpecifier* specifier);
    int Count() const { return static_cast<int>(items_.size()); }
    TCustomPathSpecifier* Items(int index) const { return items_.at(static_cast<size_t>(index)); }

    // The first listed instance of `cls` or of a class derived from it;
    // IEPathSpecifier "Could not find the path specifier" when none is.
    virtual TCustomPathSpecifier* FindByClass(const TClassInfo& cls) const;
    template <class T>
    T* FindByClass() const;
    // As FindByClass, nullptr when none is listed.
    TCustomPathSpecifier* Find(const TClassInfo& cls) const;
    template <class T>
    T* Find() const;

private:
    std::vector<TCustomPathSpecifier*> items_;
};

class TStandardPathSpecList : public TPathSpecifierList {};

// The registered standard kinds, as class-registry entries.
class TPathSpecifierClassList {
public:
    // nullptr raises IEPathSpecifierClassList.
    void Add(const TClassInfo* cls);
    int Count() const { return static_cast<int>(items_.size()); }
    const TClassInfo* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    bool Contains(const TClassInfo* cls) const;

private:
    std::vector<const TClassInfo*> items_;
};

TPathSpecifierList& PathSpecifiers();
TStandardPathSpecList& StandardPathSpecifiers();
TPathSpecifierClassList& PathSpecifierClasses();
// Appends a class to PathSpecifierClasses once.
void RegisterSpecifierClass(const TClassInfo* cls);

// Creates an instance of `cls` owned by `owner`, named by its DefaultName,
// unless `onlyIfMissing` and one (or one of a derived class) is alive.
void EnsureSpecifier(const TClassInfo& cls, TComponent* owner, bool onlyIfMissing);
// EnsureSpecifier for every registered kind, in order; nothing for nil.
void EnsureSpecifiers(TComponent* owner, bool onlyIfMissing);

template <class T>
T* TPathSpecifierList::Find() const {
    for (TCustomPathSpecifier* specifier : items_)
        if (auto* match = dynamic_cast<T*>(specifier)) return match;
    return nullptr;
}

template <class T>
T* TPathSpecifierList::FindByClass() const {
    if (T* match = Find<T>()) return match;
    throw IEPathSpecifier("Could not find the path specifier");
}
