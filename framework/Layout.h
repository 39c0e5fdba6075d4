#pragma once
// The layout reader. A window is described by a declarative text:
//
//   object frmAd: TfrmAd
//     Caption = 'TarvoQuillet'
//     OnCreate = FormCreate
//     object mmo1: TMemo
//       Left = 16
//       ScrollBars = ssVertical
//     end
//   end
//
// Components are created in text order with their properties set while
// they are loading; references to other components are resolved after the
// whole text has been read; then every component gets Loaded (root first).
// Classes and their properties are registered in a table by the units that
// define them.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"

namespace fw {

class LayoutReader;

// Declared first: a vector may hold an incomplete type, a pair may not.
struct LayoutItem;

struct LayoutValue {
  enum class Kind { Integer, String, Identifier, Set, Binary, Collection };
  Kind kind = Kind::Integer;
  int64_t integer = 0;
  std::wstring text;              // String, Identifier
  std::vector<std::wstring> set;  // Set members
  std::vector<uint8_t> bytes;     // Binary
  std::vector<LayoutItem> items;  // Collection
  int line = 0;

  // Typed access; ELayoutError (with the line) when the kind does not fit.
  int AsInt() const;
  bool AsBool() const;
  const std::wstring& AsText() const;
  const std::wstring& AsIdent() const;
};

// One item of a collection value: its property assignments in order.
struct LayoutItem {
  std::vector<std::pair<std::wstring, LayoutValue>> properties;
};

// What a property setter is given besides the value.
class LayoutContext {
 public:
  virtual ~LayoutContext() = default;
  // Calls `apply` with the component named `name` once the whole layout is read.
  virtual void AddFixup(const std::wstring& name, int line, std::function<void(TComponent*)> apply) = 0;
  // The event handler `name` of the root component.
  virtual TNotifyEvent FindMethod(const std::wstring& name, int line) = 0;
  // Bytes of a binary block stored outside the text ("@name").
  virtual std::vector<uint8_t> FindBinary(const std::wstring& name, int line) = 0;
};

using PropertySetter = std::function<void(TComponent&, const LayoutValue&, LayoutContext&)>;

class ClassInfo {
 public:
  using Factory = std::function<TComponent*(TComponent* owner)>;
  // Whether a component is of this class (or derives from it).
  using Test = std::function<bool(const TComponent&)>;
  ClassInfo(std::wstring name, const ClassInfo* parent, Factory factory, Test test = nullptr)
      : name_(std::move(name)), parent_(parent), factory_(std::move(factory)), test_(std::move(test)) {}

  const std::wstring& Name() const { return name_; }
  const ClassInfo* Parent() const { return parent_; }
  bool Describes(const TComponent& c) const { return test_ && test_(c); }
  bool Creatable() const { return static_cast<bool>(factory_); }
  TComponent* Create(TComponent* owner) const { return factory_(owner); }
  // Own properties first, then the ancestors'.
  const PropertySetter* FindProperty(const std::wstring& name) const;

  ClassInfo& Property(const std::wstring& name, PropertySetter setter);

  // Typed registrations for the common property kinds.
  template <class T>
  ClassInfo& Int(const std::wstring& name, void (T::*setter)(int)) {
    return Property(
        name, [setter](TComponent& c, const LayoutValue& v, LayoutContext&) { (Cast<T>(c, v).*setter)(v.AsInt()); });
  }
  template <class T>
  ClassInfo& Bool(const std::wstring& name, void (T::*setter)(bool)) {
    return Property(
        name, [setter](TComponent& c, const LayoutValue& v, LayoutContext&) { (Cast<T>(c, v).*setter)(v.AsBool()); });
  }
  template <class T>
  ClassInfo& Text(const std::wstring& name, void (T::*setter)(const std::wstring&)) {
    return Property(
        name, [setter](TComponent& c, const LayoutValue& v, LayoutContext&) { (Cast<T>(c, v).*setter)(v.AsText()); });
  }
  template <class T, class E>
  ClassInfo& Enum(const std::wstring& name, void (T::*setter)(E), std::vector<std::pair<std::wstring, E>> names) {
    return Property(name, [setter, names](TComponent& c, const LayoutValue& v, LayoutContext&) {
      (Cast<T>(c, v).*setter)(LookupName(names, v.AsIdent(), v.line));
    });
  }
  // A set of flags: "[a, b]" with each member's bit.
  template <class T, class S>
  ClassInfo& Set(const std::wstring& name, void (T::*setter)(S), std::vector<std::pair<std::wstring, S>> members) {
    return Property(name, [setter, members](TComponent& c, const LayoutValue& v, LayoutContext&) {
      S flags{};
      for (const auto& m : SetMembers(v)) flags = static_cast<S>(flags | LookupName(members, m, v.line));
      (Cast<T>(c, v).*setter)(flags);
    });
  }
  template <class T>
  ClassInfo& Event(const std::wstring& name, TNotifyEvent T::*event) {
    return Property(name, [event](TComponent& c, const LayoutValue& v, LayoutContext& ctx) {
      Cast<T>(c, v).*event = ctx.FindMethod(v.AsIdent(), v.line);
    });
  }
  // A reference to another component, resolved after reading; the target
  // must be of class U.
  template <class T, class U>
  ClassInfo& Reference(const std::wstring& name, void (T::*setter)(U*)) {
    return Property(name, [setter](TComponent& c, const LayoutValue& v, LayoutContext& ctx) {
      T& self = Cast<T>(c, v);
      const int line = v.line;
      ctx.AddFixup(v.AsIdent(), line, [&self, setter, line](TComponent* target) {
        U* typed = dynamic_cast<U*>(target);
        if (!typed) ThrowWrongReference(target, line);
        (self.*setter)(typed);
      });
    });
  }

  template <class T>
  static T& Cast(TComponent& c, const LayoutValue& v) {
    T* t = dynamic_cast<T*>(&c);
    if (!t) ThrowWrongClass(c, v.line);
    return *t;
  }
  static std::vector<std::wstring> SetMembers(const LayoutValue& v);
  template <class E>
  static E LookupName(const std::vector<std::pair<std::wstring, E>>& names, const std::wstring& name, int line) {
    for (const auto& [n, e] : names) {
      if (n == name) return e;
    }
    ThrowUnknownName(name, line);
  }

 private:
  [[noreturn]] static void ThrowWrongClass(TComponent& c, int line);
  [[noreturn]] static void ThrowWrongReference(TComponent* target, int line);
  [[noreturn]] static void ThrowUnknownName(const std::wstring& name, int line);

  std::wstring name_;
  const ClassInfo* parent_;
  Factory factory_;
  Test test_;
  std::map<std::wstring, PropertySetter> properties_;  // lower-case names
};

class ClassRegistry {
 public:
  static ClassRegistry& Instance();
  // Registers a class; `parent` names an already registered class or is empty.
  ClassInfo& Register(const std::wstring& name, const std::wstring& parent, ClassInfo::Factory factory,
                      ClassInfo::Test test = nullptr);
  // A class the layout can create.
  template <class T>
  ClassInfo& Register(const std::wstring& name, const std::wstring& parent) {
    return Register(
        name, parent, [](TComponent* owner) -> TComponent* { return TComponent::Create<T>(owner); }, TestFor<T>());
  }
  // A base class: named and given properties, never created by the layout.
  template <class T>
  ClassInfo& RegisterBase(const std::wstring& name, const std::wstring& parent) {
    return Register(name, parent, nullptr, TestFor<T>());
  }
  const ClassInfo* Find(const std::wstring& name) const;
  // The most derived registered class `c` belongs to; null when none is.
  const ClassInfo* FindFor(const TComponent& c) const;

 private:
  template <class T>
  static ClassInfo::Test TestFor() {
    return [](const TComponent& c) { return dynamic_cast<const T*>(&c) != nullptr; };
  }
  std::map<std::wstring, std::unique_ptr<ClassInfo>> classes_;
};

// Where event handlers and binary blocks come from while a root is read.
struct LayoutSources {
  std::function<TNotifyEvent(const std::wstring& method)> methods;
  std::function<std::vector<uint8_t>(const std::wstring& name)> binaries;
};

// Reads `text` into `root` (already constructed, registered as `rootClass`
// or an ancestor). Throws ELayoutError naming the line for unknown classes,
// properties, names and malformed text.
void ReadLayout(TComponent& root, const std::string& text, const LayoutSources& sources = {},
                const ClassRegistry& registry = ClassRegistry::Instance());

}  // namespace fw
