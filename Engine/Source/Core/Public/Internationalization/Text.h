// FText: display text. Localised texts keep their namespace/key/source and look up their display string
// in the current culture, so switching culture changes what existing texts show.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Internationalization/LocKeyFuncs.h"
#include "Misc/Optional.h"
#include "UObject/NameTypes.h"
#include <memory>

class FTextHistory;
class FFormatArgumentValue;
class FTextFormat;

typedef TMap<FString, FFormatArgumentValue, FDefaultSetAllocator, FLocKeyMapFuncs<FFormatArgumentValue>> FFormatNamedArguments;
typedef TArray<FFormatArgumentValue> FFormatOrderedArguments;

namespace ETextComparisonLevel
{
	enum Type
	{
		Default,
		Primary,
		Secondary,
		Tertiary,
		Quaternary,
		Quinary,
	};
}

enum class ETextIdenticalModeFlags : uint8
{
	None = 0,
	DeepCompare = 1 << 0,
	LexicalCompareInvariants = 1 << 1,
};

enum class ETextGender : uint8
{
	Masculine,
	Feminine,
	Neuter,
};

enum ERoundingMode : uint8
{
	HalfToEven,
	HalfFromZero,
	HalfToZero,
	FromZero,
	ToZero,
	ToNegativeInfinity,
	ToPositiveInfinity,
};

/** How FText::AsNumber prints a number. */
struct CORE_API FNumberFormattingOptions
{
	bool AlwaysSign = false;
	bool UseGrouping = true;
	ERoundingMode RoundingMode = ERoundingMode::HalfToEven;
	int32 MinimumIntegralDigits = 1;
	int32 MaximumIntegralDigits = 324;
	int32 MinimumFractionalDigits = 0;
	int32 MaximumFractionalDigits = 3;

	FNumberFormattingOptions& SetAlwaysSign(bool InValue)
	{
		AlwaysSign = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetUseGrouping(bool InValue)
	{
		UseGrouping = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetRoundingMode(ERoundingMode InValue)
	{
		RoundingMode = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMinimumIntegralDigits(int32 InValue)
	{
		MinimumIntegralDigits = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMaximumIntegralDigits(int32 InValue)
	{
		MaximumIntegralDigits = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMinimumFractionalDigits(int32 InValue)
	{
		MinimumFractionalDigits = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMaximumFractionalDigits(int32 InValue)
	{
		MaximumFractionalDigits = InValue;
		return *this;
	}

	static const FNumberFormattingOptions& DefaultWithGrouping();
	static const FNumberFormattingOptions& DefaultNoGrouping();
};

class CORE_API FText
{
public:
	/** An empty, culture-invariant text. */
	FText();
	FText(const FText&) = default;
	FText(FText&&) = default;
	FText& operator=(const FText&) = default;
	FText& operator=(FText&&) = default;

	static const FText& GetEmpty();

	/** Culture-invariant text that is never localised. */
	static FText FromString(const FString& String);
	static FText FromString(FString&& String);
	static FText FromName(const FName& Val);
	static FText FromStringView(FStringView InString);
	static FText AsCultureInvariant(const FString& String);
	static FText AsCultureInvariant(FString&& String);
	static FText AsCultureInvariant(FText Text);

	/** The string shown to the user in the current culture. */
	const FString& ToString() const;

	/** The source string (for a formatted text, the pattern formatted with source strings). */
	FString BuildSourceString() const;

	bool IsEmpty() const;
	bool IsEmptyOrWhitespace() const;
	bool IsTransient() const;
	bool IsCultureInvariant() const;
	bool IsFromStringTable() const { return false; }
	bool ShouldGatherForLocalization() const;

	/** Compares display strings. */
	bool EqualTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	bool EqualToCaseIgnored(const FText& Other) const;
	int32 CompareTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	int32 CompareToCaseIgnored(const FText& Other) const;

	/** True when both refer to the same text data (not merely equal strings). */
	bool IdenticalTo(const FText& Other, const ETextIdenticalModeFlags CompareModeFlags = ETextIdenticalModeFlags::None) const;

	FText ToLower() const;
	FText ToUpper() const;
	static FText TrimPreceding(const FText& InText);
	static FText TrimTrailing(const FText& InText);
	static FText TrimPrecedingAndTrailing(const FText& InText);

	// Numbers, formatted for the current culture.

	static FText AsNumber(double Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(float Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(int8 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(int16 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(int32 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(int64 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(uint8 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(uint16 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(uint32 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsNumber(uint64 Val, const FNumberFormattingOptions* const Options = nullptr);
	static FText AsPercent(double Val, const FNumberFormattingOptions* const Options = nullptr);

	// Formatting: "{0}" / "{Name}" arguments; a backtick escapes a brace. Results re-format on culture change.

	static FText Format(FTextFormat Fmt, FFormatNamedArguments InArguments);
	static FText Format(FTextFormat Fmt, FFormatOrderedArguments InArguments);

	template<typename... ArgTypes>
	static FText Format(FTextFormat Fmt, ArgTypes&&... Args);

	template<typename... ArgTypes>
	static FText FormatNamed(FTextFormat Fmt, ArgTypes&&... Args);

	template<typename... ArgTypes>
	static FText FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args);

	static FText Join(const FText& Delimiter, const TArray<FText>& Args);

private:
	friend class FTextInspector;
	friend class FTextFormat;
	friend class FInternationalization;

	/** A localised text; what LOCTEXT/NSLOCTEXT produce. */
	static FText CreateLocalized(const FString& Namespace, const FString& Key, const FString& SourceString);

	explicit FText(std::shared_ptr<FTextHistory> InHistory);

	std::shared_ptr<FTextHistory> History;
};

/** Reads a text's identity; the engine's tool for serialisation and tests. */
class CORE_API FTextInspector
{
public:
	static TOptional<FString> GetNamespace(const FText& Text);
	static TOptional<FString> GetKey(const FText& Text);
	static const FString* GetSourceString(const FText& Text);
	static const FString& GetDisplayString(const FText& Text);
	static bool ShouldGatherForLocalization(const FText& Text);
};

/** A value given to FText::Format: a number or a text. */
class CORE_API FFormatArgumentValue
{
public:
	enum class EType : uint8
	{
		Int,
		UInt,
		Float,
		Double,
		Text,
		Gender,
	};

	FFormatArgumentValue()
		: Type(EType::Text)
	{
	}
	FFormatArgumentValue(int32 Value)
		: Type(EType::Int)
		, IntValue(Value)
	{
	}
	FFormatArgumentValue(int64 Value)
		: Type(EType::Int)
		, IntValue(Value)
	{
	}
	FFormatArgumentValue(uint32 Value)
		: Type(EType::UInt)
		, UIntValue(Value)
	{
	}
	FFormatArgumentValue(uint64 Value)
		: Type(EType::UInt)
		, UIntValue(Value)
	{
	}
	FFormatArgumentValue(float Value)
		: Type(EType::Float)
		, DoubleValue(Value)
	{
	}
	FFormatArgumentValue(double Value)
		: Type(EType::Double)
		, DoubleValue(Value)
	{
	}
	FFormatArgumentValue(const FText& Value)
		: Type(EType::Text)
		, TextValue(Value)
	{
	}
	FFormatArgumentValue(FText&& Value)
		: Type(EType::Text)
		, TextValue(MoveTemp(Value))
	{
	}
	FFormatArgumentValue(ETextGender Value)
		: Type(EType::Gender)
		, IntValue((int64)Value)
	{
	}

	EType GetType() const { return Type; }
	int64 GetIntValue() const { return IntValue; }
	uint64 GetUIntValue() const { return UIntValue; }
	double GetDoubleValue() const { return DoubleValue; }
	const FText& GetTextValue() const { return TextValue; }

	/** The value as shown in the current culture (numbers through FText::AsNumber). */
	FString ToFormattedString() const;

	/** The value using source strings and culture-invariant numbers. */
	FString ToSourceString() const;

private:
	EType Type;
	union
	{
		int64 IntValue = 0;
		uint64 UIntValue;
		double DoubleValue;
	};
	FText TextValue;
};

/** A parsed format pattern; built implicitly from an FText. */
class CORE_API FTextFormat
{
public:
	FTextFormat();
	FTextFormat(const FText& InText);
	static FTextFormat FromString(const FString& InString);

	const FText& GetSourceText() const { return SourceText; }

	/** Names of the arguments the pattern uses, in order of first use. */
	void GetFormatArgumentNames(TArray<FString>& OutArgumentNames) const;

	bool IsValid() const { return bValid; }

private:
	FText SourceText;
	bool bValid = true;
};

template<typename... ArgTypes>
FText FText::Format(FTextFormat Fmt, ArgTypes&&... Args)
{
	FFormatOrderedArguments Arguments;
	(Arguments.Emplace(FFormatArgumentValue(Forward<ArgTypes>(Args))), ...);
	return Format(MoveTemp(Fmt), MoveTemp(Arguments));
}

template<typename... ArgTypes>
FText FText::FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args)
{
	return Format(MoveTemp(Fmt), Forward<ArgTypes>(Args)...);
}

namespace UE::Text::Private
{
	inline void AddNamedArguments(FFormatNamedArguments&)
	{
	}

	template<typename NameType, typename ValueType, typename... RestTypes>
	void AddNamedArguments(FFormatNamedArguments& Out, NameType&& Name, ValueType&& Value, RestTypes&&... Rest)
	{
		Out.Add(FString(Name), FFormatArgumentValue(Forward<ValueType>(Value)));
		AddNamedArguments(Out, Forward<RestTypes>(Rest)...);
	}
}

template<typename... ArgTypes>
FText FText::FormatNamed(FTextFormat Fmt, ArgTypes&&... Args)
{
	static_assert(sizeof...(Args) % 2 == 0, "FormatNamed takes name/value pairs");
	FFormatNamedArguments Arguments;
	UE::Text::Private::AddNamedArguments(Arguments, Forward<ArgTypes>(Args)...);
	return Format(MoveTemp(Fmt), MoveTemp(Arguments));
}

inline FString LexToString(const FText& Text)
{
	return Text.ToString();
}
