#pragma once
// The processor's wider vector instructions, probed once. Fast paths are
// compiled for them through target attributes (the rest of the build keeps
// the baseline instruction set) and taken only when the probe allows.
namespace sk {

inline bool HasAvx2() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
#else
  return false;
#endif
}

}  // namespace sk
