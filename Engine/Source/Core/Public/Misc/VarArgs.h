// Type-safe carriers for printf-style arguments: FString::Printf, UE_LOG and checkf all format through them.
#pragma once

#include "HAL/Platform.h"
#include <string>
#include <type_traits>

struct FPrintfArg
{
	enum class EKind : uint8
	{
		Signed,
		Unsigned,
		Double,
		WideString,
		AnsiString,
		Utf8String,
		Pointer,
	};

	EKind Kind;
	union
	{
		int64 Signed;
		uint64 Unsigned;
		double Double;
		const TCHAR* WideString;
		const ANSICHAR* AnsiString;
		const UTF8CHAR* Utf8String;
		const void* Pointer;
	};
};

namespace UE::Core::Private
{
	template<typename T>
	FPrintfArg MakePrintfArg(T Value)
	{
		using FType = std::decay_t<T>;
		FPrintfArg Arg;
		if constexpr (std::is_same_v<FType, bool>)
		{
			Arg.Kind = FPrintfArg::EKind::Signed;
			Arg.Signed = Value ? 1 : 0;
		}
		else if constexpr (std::is_enum_v<FType>)
		{
			Arg.Kind = FPrintfArg::EKind::Signed;
			Arg.Signed = (int64)Value;
		}
		else if constexpr (std::is_integral_v<FType> && std::is_signed_v<FType>)
		{
			Arg.Kind = FPrintfArg::EKind::Signed;
			Arg.Signed = (int64)Value;
		}
		else if constexpr (std::is_integral_v<FType>)
		{
			Arg.Kind = FPrintfArg::EKind::Unsigned;
			Arg.Unsigned = (uint64)Value;
		}
		else if constexpr (std::is_floating_point_v<FType>)
		{
			Arg.Kind = FPrintfArg::EKind::Double;
			Arg.Double = (double)Value;
		}
		else if constexpr (std::is_same_v<FType, const TCHAR*> || std::is_same_v<FType, TCHAR*>)
		{
			Arg.Kind = FPrintfArg::EKind::WideString;
			Arg.WideString = Value;
		}
		else if constexpr (std::is_same_v<FType, const ANSICHAR*> || std::is_same_v<FType, ANSICHAR*>)
		{
			Arg.Kind = FPrintfArg::EKind::AnsiString;
			Arg.AnsiString = Value;
		}
		else if constexpr (std::is_same_v<FType, const UTF8CHAR*> || std::is_same_v<FType, UTF8CHAR*>)
		{
			Arg.Kind = FPrintfArg::EKind::Utf8String;
			Arg.Utf8String = Value;
		}
		else if constexpr (std::is_pointer_v<FType> || std::is_null_pointer_v<FType>)
		{
			Arg.Kind = FPrintfArg::EKind::Pointer;
			Arg.Pointer = (const void*)Value;
		}
		else
		{
			// The engine rejects class types (e.g. an FString instead of *String) in variadic formatting too.
			static_assert(sizeof(FType) == 0, "Printf-style formatting takes only scalars and character pointers; pass *String for an FString");
		}
		return Arg;
	}

	/** Formats Fmt with Args into Out; a malformed format or a mismatched argument is a failed check. */
	CORE_API void FormatPrintf(std::u16string& Out, const TCHAR* Fmt, const FPrintfArg* Args, int32 NumArgs);

	template<typename... ArgTypes>
	std::u16string FormatPrintfToStd(const TCHAR* Fmt, ArgTypes... Args)
	{
		std::u16string Out;
		if constexpr (sizeof...(Args) == 0)
		{
			FormatPrintf(Out, Fmt, nullptr, 0);
		}
		else
		{
			const FPrintfArg ArgArray[] = { MakePrintfArg(Args)... };
			FormatPrintf(Out, Fmt, ArgArray, (int32)sizeof...(Args));
		}
		return Out;
	}
}
