#pragma once
// The processor's wider vector instructions, probed once. Fast paths are
// compiled for them through target attributes (the rest of the build keeps
// the baseline instruction set) and taken only when the probe allows.
#include <atomic>

namespace sk {

namespace detail {
inline std::atomic<bool>& WidePathsAllowed() {
  static std::atomic<bool> allowed{true};
  return allowed;
}
}  // namespace detail

// Process-wide: false sends every effect down its portable path even where
// the processor has AVX2, so both paths can be run and compared on one
// machine. The paths give the same bytes; only the speed differs.
inline void SetWidePixelPathsAllowed(bool allowed) {
  detail::WidePathsAllowed().store(allowed, std::memory_order_relaxed);
}

inline bool WidePixelPathsAllowed() { return detail::WidePathsAllowed().load(std::memory_order_relaxed); }

inline bool HasAvx2() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  static const bool has = __builtin_cpu_supports("avx2");
  return has && detail::WidePathsAllowed().load(std::memory_order_relaxed);
#else
  return false;
#endif
}

}  // namespace sk
