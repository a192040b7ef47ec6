// Stand-ins for the windows a test must not open: message boxes, file
// dialogs, the help viewer. A module offers one TestHook for its requests
// and hands a request to the hook's function, when one is set, instead of
// opening a window. A test sets the function for the lifetime of a
// ScopedHook; the function before comes back afterwards.
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace paxamon {

template <typename Signature>
struct TestHook {
  std::function<Signature> function;
  explicit operator bool() const { return static_cast<bool>(function); }
};

template <typename Signature>
class ScopedHook {
 public:
  ScopedHook(TestHook<Signature>& hook, std::type_identity_t<std::function<Signature>> function)
      : hook_(hook), previous_(std::exchange(hook.function, std::move(function))) {}
  ~ScopedHook() { hook_.function = std::move(previous_); }
  ScopedHook(const ScopedHook&) = delete;
  ScopedHook& operator=(const ScopedHook&) = delete;

 private:
  TestHook<Signature>& hook_;
  std::function<Signature> previous_;
};

}  // namespace paxamon
