#pragma once
// The processor's wider vector instructions, probed once. Fast paths are
// compiled for them through target attributes (the rest of the build keeps
// the baseline instruction set) and taken only when the probe allows.
#include <atomic>

namespace sk {

// The widest instructions the effects may use, in order.
enum class TPixelPath { Portable, Avx2, Avx512 };

namespace detail {
inline std::atomic<TPixelPath>& WidestPath() {
  static std::atomic<TPixelPath> widest{TPixelPath::Avx512};
  return widest;
}
inline bool PathAllowed(TPixelPath path) {
  return static_cast<int>(WidestPath().load(std::memory_order_relaxed)) >= static_cast<int>(path);
}
}  // namespace detail

// Process-wide: caps the paths the effects take, so every path can be run
// and compared on one machine that has them all. The paths give the same
// bytes; only the speed differs.
inline void SetWidestPixelPath(TPixelPath path) { detail::WidestPath().store(path, std::memory_order_relaxed); }
inline TPixelPath WidestPixelPath() { return detail::WidestPath().load(std::memory_order_relaxed); }

// false sends every effect down its portable path; true allows them all.
inline void SetWidePixelPathsAllowed(bool allowed) {
  SetWidestPixelPath(allowed ? TPixelPath::Avx512 : TPixelPath::Portable);
}
inline bool WidePixelPathsAllowed() { return WidestPixelPath() != TPixelPath::Portable; }

inline bool HasAvx2() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  static const bool has = __builtin_cpu_supports("avx2");
  return has && detail::PathAllowed(TPixelPath::Avx2);
#else
  return false;
#endif
}

// AVX-512 with byte lanes and byte permutes (vpermb, vpermi2b): a 256-entry
// byte table is two permutes and a blend for 64 bytes.
inline bool HasAvx512Bytes() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  static const bool has =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
  return has && detail::PathAllowed(TPixelPath::Avx512);
#else
  return false;
#endif
}

}  // namespace sk
