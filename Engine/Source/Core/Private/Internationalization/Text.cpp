// FText: histories, formatting and number output.

#include "Internationalization/Text.h"
#include "Internationalization/Culture.h"
#include "Internationalization/Internationalization.h"
#include "Internationalization/TextLocalizationManager.h"
#include "TextHistory.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/Function.h"
#include <cmath>
#include <cstdio>
#include <variant>

const FString& FTextHistory::GetDisplayString() const
{
	const uint16 Revision = FTextLocalizationManager::Get().GetTextRevision();
	if (CachedRevision != Revision)
	{
		CachedDisplayString = BuildDisplayString();
		CachedRevision = Revision;
	}
	return CachedDisplayString;
}

const FString& FTextHistory::GetSourceString() const
{
	if (!bSourceCached)
	{
		CachedSourceString = BuildSourceString();
		bSourceCached = true;
	}
	return CachedSourceString;
}

namespace
{
	/** A string shown as is in every culture (FromString, AsCultureInvariant, INVTEXT). */
	class FTextHistory_Base : public FTextHistory
	{
	public:
		FTextHistory_Base(FString InSource, bool bInCultureInvariant, bool bInTransient)
			: Source(MoveTemp(InSource))
			, bCultureInvariant(bInCultureInvariant)
			, bTransient(bInTransient)
		{
		}

		virtual FString BuildDisplayString() const override { return Source; }
		virtual FString BuildSourceString() const override { return Source; }
		virtual bool IsCultureInvariant() const override { return bCultureInvariant; }
		virtual bool IsTransient() const override { return bTransient; }

	private:
		FString Source;
		bool bCultureInvariant;
		bool bTransient;
	};

	/** A localisable literal: (namespace, key, source), translated when the current culture has it. */
	class FTextHistory_Localized : public FTextHistory
	{
	public:
		FTextHistory_Localized(FString InNamespace, FString InKey, FString InSource)
			: Namespace(MoveTemp(InNamespace))
			, Key(MoveTemp(InKey))
			, Source(MoveTemp(InSource))
		{
		}

		virtual FString BuildDisplayString() const override
		{
			const FTextConstDisplayStringPtr Localized = FTextLocalizationManager::Get().FindDisplayString(FTextKey(Namespace), FTextKey(Key), &Source);
			return Localized.IsValid() ? *Localized : Source;
		}

		virtual FString BuildSourceString() const override { return Source; }
		virtual TOptional<FString> GetNamespace() const override { return Namespace; }
		virtual TOptional<FString> GetKey() const override { return Key; }
		virtual bool IsLocalized() const override { return true; }

		FString Namespace;
		FString Key;
		FString Source;
	};

	/** Renders a pattern with arguments; display and source strings are built the same way. */
	FString FormatPattern(const FString& Pattern, const TFunctionRef<const FFormatArgumentValue*(const FString&)>& FindArgument, bool bSource)
	{
		FString Result;
		const int32 Length = Pattern.Len();
		for (int32 Index = 0; Index < Length; ++Index)
		{
			const TCHAR Char = Pattern[Index];
			if (Char == u'`' && Index + 1 < Length && (Pattern[Index + 1] == u'{' || Pattern[Index + 1] == u'}' || Pattern[Index + 1] == u'`'))
			{
				Result.AppendChar(Pattern[++Index]);
				continue;
			}
			if (Char != u'{')
			{
				Result.AppendChar(Char);
				continue;
			}
			int32 Close = INDEX_NONE;
			for (int32 Scan = Index + 1; Scan < Length; ++Scan)
			{
				if (Pattern[Scan] == u'}')
				{
					Close = Scan;
					break;
				}
			}
			if (Close == INDEX_NONE)
			{
				// An unterminated brace is kept as text.
				Result += Pattern.Mid(Index);
				break;
			}
			const FString Name = Pattern.Mid(Index + 1, Close - Index - 1);
			// A modifier follows the argument's closing brace: {Arg}|plural(one=...,other=...); a '|' inside the braces is part of the name.
			const FString Modifier = Pattern.Mid(Close + 1, 8);
			checkf(!Modifier.StartsWith(TEXT("|plural("), ESearchCase::CaseSensitive) && !Modifier.StartsWith(TEXT("|gender("), ESearchCase::CaseSensitive) && !Modifier.StartsWith(TEXT("|hpp("), ESearchCase::CaseSensitive),
				TEXT("FText::Format argument modifiers ({Arg}|plural/gender/hpp) are not implemented in the stand-in"));
			const FFormatArgumentValue* Value = FindArgument(Name.TrimStartAndEnd());
			if (Value)
			{
				Result += bSource ? Value->ToSourceString() : Value->ToFormattedString();
			}
			else
			{
				Result += Pattern.Mid(Index, Close - Index + 1);
			}
			Index = Close;
		}
		return Result;
	}

	class FTextHistory_Format : public FTextHistory
	{
	public:
		FTextHistory_Format(FText InPattern, FFormatNamedArguments InNamed)
			: Pattern(MoveTemp(InPattern))
			, Named(MoveTemp(InNamed))
			, bNamed(true)
		{
		}

		FTextHistory_Format(FText InPattern, FFormatOrderedArguments InOrdered)
			: Pattern(MoveTemp(InPattern))
			, Ordered(MoveTemp(InOrdered))
			, bNamed(false)
		{
		}

		virtual FString BuildDisplayString() const override { return Build(Pattern.ToString(), false); }
		virtual FString BuildSourceString() const override { return Build(Pattern.BuildSourceString(), true); }

	private:
		FString Build(const FString& PatternString, bool bSource) const
		{
			return FormatPattern(
				PatternString, [this](const FString& Name) -> const FFormatArgumentValue* {
					if (bNamed)
					{
						return Named.Find(Name);
					}
					int32 ArgIndex = 0;
					if (!Name.IsEmpty() && Name.IsNumeric() && !Name.Contains(TEXT(".")) && !Name.StartsWith(TEXT("-")) && LexTryParseString(ArgIndex, *Name) && Ordered.IsValidIndex(ArgIndex))
					{
						return &Ordered[ArgIndex];
					}
					return nullptr;
				},
				bSource);
		}

		FText Pattern;
		FFormatNamedArguments Named;
		FFormatOrderedArguments Ordered;
		bool bNamed;
	};

	typedef std::variant<int64, uint64, double> FNumberValue;

	/** Prints a number with the current culture's separators and the given digit limits. */
	FString FormatNumber(const FNumberValue& Value, const FNumberFormattingOptions& Options, bool bPercent)
	{
		const FCultureRef Culture = FInternationalization::Get().GetCurrentCulture();
		bool bNegative = false;
		FString Integral;
		FString Fractional;
		if (const double* Double = std::get_if<double>(&Value))
		{
			double Number = bPercent ? *Double * 100.0 : *Double;
			if (!std::isfinite(Number))
			{
				return std::isnan(Number) ? FString(TEXT("NaN")) : FString(Number < 0 ? TEXT("-∞") : TEXT("∞"));
			}
			bNegative = std::signbit(Number) && Number != 0.0;
			Number = std::fabs(Number);
			const int32 MaxFraction = FMath::Clamp(Options.MaximumFractionalDigits, 0, 20);
			if (Options.RoundingMode == ERoundingMode::HalfFromZero)
			{
				const double Scale = std::pow(10.0, MaxFraction);
				Number = std::round(Number * Scale) / Scale;
			}
			char Buffer[400];
			std::snprintf(Buffer, sizeof(Buffer), "%.*f", MaxFraction, Number);
			const FString Printed(Buffer);
			int32 Dot = INDEX_NONE;
			if (Printed.FindChar(u'.', Dot))
			{
				Integral = Printed.Left(Dot);
				Fractional = Printed.Mid(Dot + 1);
			}
			else
			{
				Integral = Printed;
			}
			// Drop trailing zeros beyond the minimum.
			int32 Keep = Fractional.Len();
			while (Keep > Options.MinimumFractionalDigits && Keep > 0 && Fractional[Keep - 1] == u'0')
			{
				--Keep;
			}
			Fractional = Fractional.Left(Keep);
			if (bNegative && Integral == TEXT("0") && Fractional.Replace(TEXT("0"), TEXT("")).IsEmpty())
			{
				bNegative = false;
			}
		}
		else if (const int64* Signed = std::get_if<int64>(&Value))
		{
			bNegative = *Signed < 0;
			const uint64 Magnitude = bNegative ? (uint64)(-(*Signed + 1)) + 1 : (uint64)*Signed;
			Integral = LexToString(bPercent ? Magnitude * 100 : Magnitude);
		}
		else
		{
			const uint64 Unsigned = std::get<uint64>(Value);
			Integral = LexToString(bPercent ? Unsigned * 100 : Unsigned);
		}

		while (Fractional.Len() < Options.MinimumFractionalDigits)
		{
			Fractional.AppendChar(u'0');
		}
		while (Integral.Len() < Options.MinimumIntegralDigits)
		{
			Integral = TEXT("0") + Integral;
		}
		if (Integral.Len() > Options.MaximumIntegralDigits)
		{
			Integral = Integral.Right(Options.MaximumIntegralDigits);
		}

		FString Result;
		if (bNegative)
		{
			Result.AppendChar(u'-');
		}
		else if (Options.AlwaysSign)
		{
			Result.AppendChar(u'+');
		}
		for (int32 Index = 0; Index < Integral.Len(); ++Index)
		{
			if (Options.UseGrouping && Index > 0 && (Integral.Len() - Index) % 3 == 0)
			{
				Result.AppendChar(Culture->GetGroupingSeparator());
			}
			Result.AppendChar(Integral[Index]);
		}
		if (!Fractional.IsEmpty())
		{
			Result.AppendChar(Culture->GetDecimalSeparator());
			Result += Fractional;
		}
		if (bPercent)
		{
			Result.AppendChar(u'%');
		}
		return Result;
	}

	class FTextHistory_AsNumber : public FTextHistory
	{
	public:
		FTextHistory_AsNumber(FNumberValue InValue, const FNumberFormattingOptions* InOptions, bool bInPercent)
			: Value(InValue)
			, Options(InOptions ? *InOptions : FNumberFormattingOptions::DefaultWithGrouping())
			, bPercent(bInPercent)
		{
		}

		virtual FString BuildDisplayString() const override { return FormatNumber(Value, Options, bPercent); }

		virtual FString BuildSourceString() const override
		{
			if (const double* Double = std::get_if<double>(&Value))
			{
				return FString::SanitizeFloat(bPercent ? *Double * 100.0 : *Double, 0);
			}
			if (const int64* Signed = std::get_if<int64>(&Value))
			{
				return LexToString(*Signed);
			}
			return LexToString(std::get<uint64>(Value));
		}

	private:
		FNumberValue Value;
		FNumberFormattingOptions Options;
		bool bPercent;
	};

	/** Upper/lower-casing or trimming of another text, recomputed from its current display string. */
	class FTextHistory_Transform : public FTextHistory
	{
	public:
		enum class EKind : uint8
		{
			ToLower,
			ToUpper,
			TrimPreceding,
			TrimTrailing,
			TrimBoth,
		};

		FTextHistory_Transform(FText InSource, EKind InKind)
			: SourceText(MoveTemp(InSource))
			, Kind(InKind)
		{
		}

		virtual FString BuildDisplayString() const override { return Apply(SourceText.ToString()); }
		virtual FString BuildSourceString() const override { return Apply(SourceText.BuildSourceString()); }
		virtual bool IsTransient() const override { return true; }

	private:
		FString Apply(const FString& In) const
		{
			switch (Kind)
			{
				case EKind::ToLower: return In.ToLower();
				case EKind::ToUpper: return In.ToUpper();
				case EKind::TrimPreceding: return In.TrimStart();
				case EKind::TrimTrailing: return In.TrimEnd();
				case EKind::TrimBoth: return In.TrimStartAndEnd();
			}
			return In;
		}

		FText SourceText;
		EKind Kind;
	};

	std::shared_ptr<FTextHistory> MakeEmptyHistory()
	{
		static const std::shared_ptr<FTextHistory> Empty = std::make_shared<FTextHistory_Base>(FString(), true, false);
		return Empty;
	}
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultWithGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(true);
	return Options;
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultNoGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(false);
	return Options;
}

FText::FText()
	: History(MakeEmptyHistory())
{
}

FText::FText(std::shared_ptr<FTextHistory> InHistory)
	: History(MoveTemp(InHistory))
{
}

const FText& FText::GetEmpty()
{
	static const FText Empty;
	return Empty;
}

FText FText::FromString(const FString& String)
{
	return FText(std::make_shared<FTextHistory_Base>(String, false, true));
}

FText FText::FromString(FString&& String)
{
	return FText(std::make_shared<FTextHistory_Base>(MoveTemp(String), false, true));
}

FText FText::FromName(const FName& Val)
{
	return FromString(Val.ToString());
}

FText FText::FromStringView(FStringView InString)
{
	return FromString(FString(InString));
}

FText FText::AsCultureInvariant(const FString& String)
{
	return FText(std::make_shared<FTextHistory_Base>(String, true, false));
}

FText FText::AsCultureInvariant(FString&& String)
{
	return FText(std::make_shared<FTextHistory_Base>(MoveTemp(String), true, false));
}

FText FText::AsCultureInvariant(FText Text)
{
	return AsCultureInvariant(Text.ToString());
}

FText FText::CreateLocalized(const FString& Namespace, const FString& Key, const FString& SourceString)
{
	return FText(std::make_shared<FTextHistory_Localized>(Namespace, Key, SourceString));
}

const FString& FText::ToString() const
{
	return History->GetDisplayString();
}

FString FText::BuildSourceString() const
{
	return History->BuildSourceString();
}

bool FText::IsEmpty() const
{
	return ToString().IsEmpty();
}

bool FText::IsEmptyOrWhitespace() const
{
	return ToString().TrimStartAndEnd().IsEmpty();
}

bool FText::IsTransient() const
{
	return History->IsTransient();
}

bool FText::IsCultureInvariant() const
{
	return History->IsCultureInvariant();
}

bool FText::ShouldGatherForLocalization() const
{
	return History->IsLocalized() && !History->GetSourceString().IsEmpty();
}

bool FText::EqualTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel) const
{
	return CompareTo(Other, ComparisonLevel) == 0;
}

bool FText::EqualToCaseIgnored(const FText& Other) const
{
	return CompareToCaseIgnored(Other) == 0;
}

int32 FText::CompareTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel) const
{
	// Primary and Secondary strength ignore case; the others respect it.
	const bool bIgnoreCase = ComparisonLevel == ETextComparisonLevel::Primary || ComparisonLevel == ETextComparisonLevel::Secondary;
	return ToString().Compare(Other.ToString(), bIgnoreCase ? ESearchCase::IgnoreCase : ESearchCase::CaseSensitive);
}

int32 FText::CompareToCaseIgnored(const FText& Other) const
{
	return ToString().Compare(Other.ToString(), ESearchCase::IgnoreCase);
}

bool FText::IdenticalTo(const FText& Other, const ETextIdenticalModeFlags CompareModeFlags) const
{
	if (History == Other.History)
	{
		return true;
	}
	// Two copies of one localised literal share their identity.
	if (History->IsLocalized() && Other.History->IsLocalized())
	{
		return History->GetNamespace().GetValue().Equals(Other.History->GetNamespace().GetValue(), ESearchCase::CaseSensitive)
			&& History->GetKey().GetValue().Equals(Other.History->GetKey().GetValue(), ESearchCase::CaseSensitive)
			&& History->GetSourceString().Equals(Other.History->GetSourceString(), ESearchCase::CaseSensitive);
	}
	if (((uint8)CompareModeFlags & (uint8)ETextIdenticalModeFlags::LexicalCompareInvariants) != 0 && IsCultureInvariant() && Other.IsCultureInvariant())
	{
		return ToString().Equals(Other.ToString(), ESearchCase::CaseSensitive);
	}
	return false;
}

FText FText::ToLower() const
{
	return FText(std::make_shared<FTextHistory_Transform>(*this, FTextHistory_Transform::EKind::ToLower));
}

FText FText::ToUpper() const
{
	return FText(std::make_shared<FTextHistory_Transform>(*this, FTextHistory_Transform::EKind::ToUpper));
}

FText FText::TrimPreceding(const FText& InText)
{
	return FText(std::make_shared<FTextHistory_Transform>(InText, FTextHistory_Transform::EKind::TrimPreceding));
}

FText FText::TrimTrailing(const FText& InText)
{
	return FText(std::make_shared<FTextHistory_Transform>(InText, FTextHistory_Transform::EKind::TrimTrailing));
}

FText FText::TrimPrecedingAndTrailing(const FText& InText)
{
	return FText(std::make_shared<FTextHistory_Transform>(InText, FTextHistory_Transform::EKind::TrimBoth));
}

FText FText::AsNumber(double Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue(Val), Options, false)); }
FText FText::AsNumber(float Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((double)Val), Options, false)); }
FText FText::AsNumber(int8 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((int64)Val), Options, false)); }
FText FText::AsNumber(int16 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((int64)Val), Options, false)); }
FText FText::AsNumber(int32 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((int64)Val), Options, false)); }
FText FText::AsNumber(int64 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((int64)Val), Options, false)); }
FText FText::AsNumber(uint8 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((uint64)Val), Options, false)); }
FText FText::AsNumber(uint16 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((uint64)Val), Options, false)); }
FText FText::AsNumber(uint32 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((uint64)Val), Options, false)); }
FText FText::AsNumber(uint64 Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue((uint64)Val), Options, false)); }
FText FText::AsPercent(double Val, const FNumberFormattingOptions* const Options) { return FText(std::make_shared<FTextHistory_AsNumber>(FNumberValue(Val), Options, true)); }

FText FText::Format(FTextFormat Fmt, FFormatNamedArguments InArguments)
{
	return FText(std::make_shared<FTextHistory_Format>(Fmt.GetSourceText(), MoveTemp(InArguments)));
}

FText FText::Format(FTextFormat Fmt, FFormatOrderedArguments InArguments)
{
	return FText(std::make_shared<FTextHistory_Format>(Fmt.GetSourceText(), MoveTemp(InArguments)));
}

FText FText::Join(const FText& Delimiter, const TArray<FText>& Args)
{
	// A pattern "{0}{D}{1}{D}..." keeps the result live across culture changes.
	FString Pattern;
	FFormatNamedArguments Arguments;
	Arguments.Add(TEXT("Delimiter"), Delimiter);
	for (int32 Index = 0; Index < Args.Num(); ++Index)
	{
		if (Index > 0)
		{
			Pattern += TEXT("{Delimiter}");
		}
		const FString Name = FString::Printf(TEXT("%d"), Index);
		Pattern += TEXT("{") + Name + TEXT("}");
		Arguments.Add(Name, Args[Index]);
	}
	return Format(FTextFormat(FText::AsCultureInvariant(Pattern)), MoveTemp(Arguments));
}

TOptional<FString> FTextInspector::GetNamespace(const FText& Text)
{
	return Text.History->GetNamespace();
}

TOptional<FString> FTextInspector::GetKey(const FText& Text)
{
	return Text.History->GetKey();
}

const FString* FTextInspector::GetSourceString(const FText& Text)
{
	return &Text.History->GetSourceString();
}

const FString& FTextInspector::GetDisplayString(const FText& Text)
{
	return Text.ToString();
}

bool FTextInspector::ShouldGatherForLocalization(const FText& Text)
{
	return Text.ShouldGatherForLocalization();
}

FString FFormatArgumentValue::ToFormattedString() const
{
	switch (Type)
	{
		case EType::Int: return FText::AsNumber(IntValue).ToString();
		case EType::UInt: return FText::AsNumber(UIntValue).ToString();
		case EType::Float:
		case EType::Double: return FText::AsNumber(DoubleValue).ToString();
		case EType::Text: return TextValue.ToString();
		case EType::Gender: checkf(false, TEXT("Gender format arguments are not implemented in the stand-in")); break;
	}
	return FString();
}

FString FFormatArgumentValue::ToSourceString() const
{
	switch (Type)
	{
		case EType::Int: return LexToString(IntValue);
		case EType::UInt: return LexToString(UIntValue);
		case EType::Float:
		case EType::Double: return FString::SanitizeFloat(DoubleValue, 0);
		case EType::Text: return TextValue.BuildSourceString();
		case EType::Gender: checkf(false, TEXT("Gender format arguments are not implemented in the stand-in")); break;
	}
	return FString();
}

FTextFormat::FTextFormat() = default;

FTextFormat::FTextFormat(const FText& InText)
	: SourceText(InText)
{
}

FTextFormat FTextFormat::FromString(const FString& InString)
{
	return FTextFormat(FText::AsCultureInvariant(InString));
}

void FTextFormat::GetFormatArgumentNames(TArray<FString>& OutArgumentNames) const
{
	const FString Pattern = SourceText.ToString();
	FormatPattern(
		Pattern, [&OutArgumentNames](const FString& Name) -> const FFormatArgumentValue* {
			OutArgumentNames.AddUnique(Name);
			return nullptr;
		},
		false);
}
