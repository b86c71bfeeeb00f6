// Platform basics: fixed-size integers, character types and compiler helpers.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::uint8_t uint8;
typedef std::uint16_t uint16;
typedef std::uint32_t uint32;
typedef std::uint64_t uint64;
typedef std::int8_t int8;
typedef std::int16_t int16;
typedef std::int32_t int32;
typedef std::int64_t int64;

typedef char ANSICHAR;
typedef char16_t WIDECHAR;
typedef char8_t UTF8CHAR;
typedef char16_t UTF16CHAR;
typedef char32_t UTF32CHAR;
// The engine's TCHAR is a UTF-16 code unit on every platform the stand-in targets.
typedef WIDECHAR TCHAR;

typedef std::size_t SIZE_T;
typedef std::ptrdiff_t SSIZE_T;
typedef std::uintptr_t UPTRINT;
typedef std::intptr_t PTRINT;

#ifndef TEXT
	#define TEXT_PASTE(x) u##x
	#define TEXT(x) TEXT_PASTE(x)
#endif

#define FORCEINLINE inline __attribute__((always_inline))
#define FORCENOINLINE __attribute__((noinline))
#define UE_NODISCARD [[nodiscard]]
#define UE_DEPRECATED(Version, Message) [[deprecated(Message)]]
#define LIKELY(x) __builtin_expect(!!(x), 1)
#define UNLIKELY(x) __builtin_expect(!!(x), 0)
#define PLATFORM_LITTLE_ENDIAN 1
#define PLATFORM_64BITS 1
#define PLATFORM_TCHAR_IS_CHAR16 1
#define PLATFORM_BREAK() __builtin_trap()
#define DLLEXPORT __attribute__((visibility("default")))
#define DLLIMPORT __attribute__((visibility("default")))

#ifndef CORE_API
	#define CORE_API DLLEXPORT
#endif

#ifndef PLATFORM_LINUX
	#define PLATFORM_LINUX 1
#endif
#ifndef PLATFORM_WINDOWS
	#define PLATFORM_WINDOWS 0
#endif
#define PLATFORM_MAC 0
#define PLATFORM_DESKTOP 1

#ifndef WITH_EDITOR
	#define WITH_EDITOR 1
#endif
#ifndef WITH_EDITORONLY_DATA
	#define WITH_EDITORONLY_DATA 1
#endif
#ifndef UE_BUILD_SHIPPING
	#define UE_BUILD_SHIPPING 0
#endif
#ifndef UE_BUILD_DEBUG
	#define UE_BUILD_DEBUG 0
#endif
#ifndef DO_CHECK
	#define DO_CHECK 1
#endif
#ifndef DO_ENSURE
	#define DO_ENSURE 1
#endif
#ifndef NO_LOGGING
	#define NO_LOGGING 0
#endif
