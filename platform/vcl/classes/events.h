#pragma once
// Events: the class library's method pointers in C++.
//
// TMethod<Args...> holds a handler that is a member function of some
// object (the "method pointer" of an event property): the object, the
// method's name when it is a published method bound by name, and the call.
// The first argument of every event is the sender; decisions come back
// through reference arguments:
//
//   using TUserAbortEvent = TMethod<TObject* /*Sender*/, bool& /*QuitOut*/>;
//
//   class TForm1 : public TForm {
//       void FormActivate(TObject* sender);
//   };
//   form->SetOnActivate(TNotifyEvent(form, &TForm1::FormActivate));
//   if (OnActivate()) OnActivate()(this);          // fire when assigned
//
// A form declaration names handlers ("OnActivate = FormActivate"); the form
// reader binds them to the root's published methods, which a class
// declares in the class registry (class_registry.h) with
// `.Method<TNotifyEvent>("FormActivate", &TForm1::FormActivate)`.
//
// Two method pointers are equal when they call the same member function on
// the same object (what `@OnActivate = @Handler` compares in the class
// library); handlers made from a lambda compare equal only to copies.

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

#include "vcl/system/object.h"

template <class... Args>
class TMethod {
public:
    using Handler = std::function<void(Args...)>;

    TMethod() = default;
    TMethod(std::nullptr_t) {}

    // A member function of `object`.
    template <class C>
    TMethod(C* object, void (C::*method)(Args...), std::string methodName = {})
        : object_(object), name_(std::move(methodName)), identity_(IdentityOf(method)) {
        handler_ = [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
    }

    // Any callable standing in for a method of `object` (tests, adapters).
    TMethod(TObject* object, Handler handler, std::string methodName = {})
        : object_(object), name_(std::move(methodName)), handler_(std::move(handler)),
          identity_(std::make_shared<std::string>("callable")) {}

    explicit operator bool() const { return static_cast<bool>(handler_); }
    void operator()(Args... args) const {
        if (handler_) handler_(std::forward<Args>(args)...);
    }

    // The object whose method this is (Delphi's TMethod.Data).
    TObject* Object() const { return object_; }
    // The published method's name, empty when bound by code.
    const std::string& MethodName() const { return name_; }

    friend bool operator==(const TMethod& a, const TMethod& b) {
        if (!a.handler_ || !b.handler_) return !a.handler_ && !b.handler_;
        return a.object_ == b.object_ && (a.identity_ == b.identity_ || (*a.identity_ == *b.identity_ &&
                                                                         *a.identity_ != "callable"));
    }

private:
    // The member pointer's bytes and its class: equal for the same member.
    template <class M>
    static std::shared_ptr<std::string> IdentityOf(M method) {
        std::string bytes(sizeof(M), '\0');
        std::memcpy(bytes.data(), &method, sizeof(M));
        return std::make_shared<std::string>(std::string(typeid(M).name()) + ":" + bytes);
    }

    TObject* object_ = nullptr;
    std::string name_;
    Handler handler_;
    std::shared_ptr<std::string> identity_;
};

using TNotifyEvent = TMethod<TObject* /*Sender*/>;
