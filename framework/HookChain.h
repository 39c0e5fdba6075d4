#pragma once
// A chain of hooks in front of a message handler. Whoever takes over a
// window's messages (a form's skin, a tray icon, a menu state, a hint) joins
// the chain with a Hook and leaves it by destroying that Hook, in any order:
// each removes only its own entry, so nobody restores a procedure that
// someone else has replaced meanwhile. The newest hook sees a message first
// and passes it on by calling `next`; not calling it handles the message.
//
// Hooks may join or leave while a message runs through the chain: a removed
// entry is skipped at once and erased when the outermost dispatch ends; an
// entry added during a dispatch first sees the next message.
#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

template <class M>
class HookChain {
  struct Entry;
  struct State;

 public:
  // Passes the message on to the older hooks and finally to the handler.
  class Next {
   public:
    void operator()(M& message) const { state_->Run(index_, message, last_, lastContext_); }

   private:
    friend class HookChain;
    Next(State* state, size_t index, void (*last)(void*, M&), void* lastContext)
        : state_(state), index_(index), last_(last), lastContext_(lastContext) {}
    State* state_;
    size_t index_;  // entries below this index are still to run
    void (*last_)(void*, M&);
    void* lastContext_;
  };
  using Proc = std::function<void(M& message, const Next& next)>;

  // Membership of one hook; leaving the chain is destroying (or resetting) it.
  class Hook {
   public:
    Hook() = default;
    Hook(HookChain& chain, Proc proc) { Install(chain, std::move(proc)); }
    ~Hook() { Remove(); }
    Hook(Hook&& other) noexcept : state_(std::move(other.state_)), entry_(std::move(other.entry_)) {}
    Hook& operator=(Hook&& other) noexcept {
      if (this != &other) {
        Remove();
        state_ = std::move(other.state_);
        entry_ = std::move(other.entry_);
      }
      return *this;
    }
    Hook(const Hook&) = delete;
    Hook& operator=(const Hook&) = delete;

    // Joins `chain` in front of every hook already there (leaving any
    // chain this hook was in).
    void Install(HookChain& chain, Proc proc) {
      Remove();
      state_ = chain.state_;
      entry_ = std::make_shared<Entry>(Entry{std::move(proc), false});
      chain.state_->entries.push_back(entry_);
    }
    // Leaves the chain; harmless when not installed or when the chain is gone.
    void Remove() {
      if (!entry_) return;
      entry_->removed = true;
      if (auto state = state_.lock()) state->Purge();
      entry_.reset();
      state_.reset();
    }
    // In a chain that still exists.
    bool Installed() const { return entry_ && !entry_->removed && !state_.expired(); }

   private:
    std::weak_ptr<State> state_;
    std::shared_ptr<Entry> entry_;
  };

  HookChain() : state_(std::make_shared<State>()) {}
  HookChain(const HookChain&) = delete;
  HookChain& operator=(const HookChain&) = delete;

  bool Empty() const { return state_->entries.empty(); }
  size_t Count() const {
    size_t n = 0;
    for (const auto& e : state_->entries) n += e->removed ? 0 : 1;
    return n;
  }

  // Runs `message` through the hooks, newest first, then through `last`.
  template <class Last>
  void Dispatch(M& message, Last&& last) {
    auto keep = state_;  // a hook may free the chain's owner under us
    using L = std::remove_reference_t<Last>;
    keep->Run(
        keep->entries.size(), message, [](void* ctx, M& m) { (*static_cast<L*>(ctx))(m); },
        const_cast<void*>(static_cast<const void*>(&last)));
  }

 private:
  struct Entry {
    Proc proc;
    bool removed;
  };
  struct State {
    std::vector<std::shared_ptr<Entry>> entries;  // oldest first
    int depth = 0;                                // dispatches under way

    void Run(size_t index, M& message, void (*last)(void*, M&), void* lastContext) {
      ++depth;
      struct Leave {
        State* s;
        ~Leave() {
          if (--s->depth == 0) s->Purge();
        }
      } leave{this};
      while (index > 0) {
        --index;
        std::shared_ptr<Entry> entry = entries[index];
        if (entry->removed) continue;
        entry->proc(message, Next(this, index, last, lastContext));
        return;
      }
      last(lastContext, message);
    }
    // Erases removed entries, but never while a dispatch walks the list.
    void Purge() {
      if (depth > 0) return;
      std::erase_if(entries, [](const std::shared_ptr<Entry>& e) { return e->removed; });
    }
  };

  std::shared_ptr<State> state_;
};

}  // namespace fw
