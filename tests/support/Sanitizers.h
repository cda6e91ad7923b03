#pragma once
// DAVIDUV_ASAN is 1 when this build runs under AddressSanitizer: g++ says so
// with __SANITIZE_ADDRESS__, clang only through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define DAVIDUV_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DAVIDUV_ASAN 1
#endif
#endif
#ifndef DAVIDUV_ASAN
#define DAVIDUV_ASAN 0
#endif
