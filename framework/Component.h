#pragma once
// The component model: an owner frees what it owns (last created first), and
// every component that asked to be told hears of a removal, so that
// non-owning references never dangle.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class TComponent;

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
  csLoading = 1 << 0,
  csReading = 1 << 1,
  csDesigning = 1 << 2,
  csDestroying = 1 << 3,
  csUpdating = 1 << 4,
};
using TComponentState = uint32_t;

using TNotifyEvent = std::function<void(TComponent* sender)>;

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Creates a component owned by `owner`; the owner frees it.
  template <class T, class... Args>
  static T* Create(TComponent* owner, Args&&... args) {
    return new T(owner, std::forward<Args>(args)...);  // owned from here on
  }
  // Frees a component (owned or not): BeforeDestruction runs on the whole
  // object first, then its owner forgets it.
  static void Free(TComponent* component);

  // Runs before any destructor, while the object is still whole: sets
  // csDestroying. Windowed controls also free what they own and their
  // window here, so owned components still find their owner intact.
  virtual void BeforeDestruction();

  TComponent* Owner() const { return owner_; }
  const std::wstring& Name() const { return name_; }
  virtual void SetName(const std::wstring& name);
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  TComponent* FindComponent(const std::wstring& name) const;

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
  void SetDesigning(bool designing);

  // Asks `component` to call our Notification when it is removed, even if
  // we do not own it; mutual, so neither side dangles.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The layout reader brackets reading with these, then calls Loaded.
  void BeginLoading();
  virtual void Loaded();

  // The layout reader places a component inside the one that encloses it in
  // the text; controls take it as their parent, others ignore it.
  virtual void SetParentComponent(TComponent* parent) {}

  // The class name the layout text uses for this component: that of the
  // nearest class registered for it (see ClassRegistry).
  std::wstring ClassName() const;

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees the owned components, last created first; each still sees this
  // owner (with csDestroying set) while it goes.
  void DestroyComponents();

 private:
  void NotifyRemoval();

  TComponent* owner_ = nullptr;
  std::wstring name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_ = 0;
};

}  // namespace fw
