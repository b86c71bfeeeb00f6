// check/verify/ensure: a failed check logs at Fatal and aborts; a failed ensure logs an Error and returns false.
#pragma once

#include "HAL/Platform.h"
#include "Misc/VarArgs.h"

struct FDebug
{
	/** Logs the failed assertion through GLog at Fatal and aborts the process. */
	[[noreturn]] static CORE_API void AssertFailedMessage(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message);

	/** Logs the failed ensure at Error; returns false so the macro yields false. */
	static CORE_API bool EnsureFailedMessage(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message);

	template<typename... ArgTypes>
	[[noreturn]] static void AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Fmt, ArgTypes... Args)
	{
		const std::u16string Message = UE::Core::Private::FormatPrintfToStd(Fmt, Args...);
		AssertFailedMessage(Expr, File, Line, Message.c_str());
	}

	[[noreturn]] static void AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line)
	{
		AssertFailedMessage(Expr, File, Line, TEXT(""));
	}

	template<typename... ArgTypes>
	static bool EnsureFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Fmt, ArgTypes... Args)
	{
		const std::u16string Message = UE::Core::Private::FormatPrintfToStd(Fmt, Args...);
		return EnsureFailedMessage(Expr, File, Line, Message.c_str());
	}

	static bool EnsureFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line)
	{
		return EnsureFailedMessage(Expr, File, Line, TEXT(""));
	}
};

#define check(InExpression) \
	do \
	{ \
		if (UNLIKELY(!(InExpression))) \
		{ \
			FDebug::AssertFailed(#InExpression, __FILE__, __LINE__); \
		} \
	} while (0)

#define checkf(InExpression, InFormat, ...) \
	do \
	{ \
		if (UNLIKELY(!(InExpression))) \
		{ \
			FDebug::AssertFailed(#InExpression, __FILE__, __LINE__, InFormat, ##__VA_ARGS__); \
		} \
	} while (0)

#define verify(InExpression) check(InExpression)
#define verifyf(InExpression, InFormat, ...) checkf(InExpression, InFormat, ##__VA_ARGS__)
#define checkSlow(InExpression) check(InExpression)
#define checkfSlow(InExpression, InFormat, ...) checkf(InExpression, InFormat, ##__VA_ARGS__)
#define verifySlow(InExpression) check(InExpression)
#define checkCode(Code) \
	do \
	{ \
		Code; \
	} while (0)

#define checkNoEntry() FDebug::AssertFailed("Enclosing block should never be called", __FILE__, __LINE__)

#define checkNoReentry() \
	static bool UE_NoReentry_bEntered = false; \
	checkf(!UE_NoReentry_bEntered, TEXT("Enclosing block was called more than once")); \
	UE_NoReentry_bEntered = true

#define checkNoRecursion() \
	static int32 UE_NoRecursion_Depth = 0; \
	checkf(UE_NoRecursion_Depth == 0, TEXT("Enclosing block was entered recursively")); \
	struct FRecursionScopeMarker \
	{ \
		int32& Depth; \
		explicit FRecursionScopeMarker(int32& InDepth) \
			: Depth(InDepth) \
		{ \
			++Depth; \
		} \
		~FRecursionScopeMarker() { --Depth; } \
	} UE_NoRecursion_Marker(UE_NoRecursion_Depth)

#define unimplemented() FDebug::AssertFailed("unimplemented", __FILE__, __LINE__, TEXT("Unimplemented function called"))

// ensure reports once per call site, ensureAlways every time; both evaluate to the expression's truth.
#define UE_ENSURE_IMPL(bAlways, InExpression, ...) \
	(LIKELY(!!(InExpression)) || [&]() -> bool { \
		static bool bUE_EnsureExecuted = false; \
		if ((bAlways) || !bUE_EnsureExecuted) \
		{ \
			bUE_EnsureExecuted = true; \
			FDebug::EnsureFailed(#InExpression, __FILE__, __LINE__, ##__VA_ARGS__); \
		} \
		return false; \
	}())

#define ensure(InExpression) UE_ENSURE_IMPL(false, InExpression)
#define ensureMsgf(InExpression, InFormat, ...) UE_ENSURE_IMPL(false, InExpression, InFormat, ##__VA_ARGS__)
#define ensureAlways(InExpression) UE_ENSURE_IMPL(true, InExpression)
#define ensureAlwaysMsgf(InExpression, InFormat, ...) UE_ENSURE_IMPL(true, InExpression, InFormat, ##__VA_ARGS__)
