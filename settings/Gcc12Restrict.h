// GCC 12 reports a false -Wrestrict ("may overlap up to 9223372036854775813
// bytes") inside libstdc++'s basic_string when a literal is put in front of a
// temporary string ("(" + text) and the call is inlined in an optimised
// build: GCC bug 105651. These bracket the statements that build such a
// string; other compilers, other versions and other statements keep the warning.
#pragma once

#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#define GCC12_BUG_105651_BEGIN \
  _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define GCC12_BUG_105651_END _Pragma("GCC diagnostic pop")
#else
#define GCC12_BUG_105651_BEGIN
#define GCC12_BUG_105651_END
#endif
