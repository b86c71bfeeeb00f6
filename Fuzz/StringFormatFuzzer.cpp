// FString::Printf and FText::Format with formats built from the fuzz input.
//
// Printf: a mismatched conversion is undefined behaviour in the engine too, so the input does not name the format
// directly; it chooses each piece (literal text, flags, width, precision, length modifier, conversion) and the
// argument of the matching kind. Numbers are then checked against the C library's snprintf given the same piece and
// argument, strings and characters against plain padding and truncation. FText::Format takes any pattern, so the
// pattern is the input as it stands.

#include "FuzzSupport.h"

#include "CoreMinimal.h"
#include "Internationalization/Internationalization.h"
#include "Internationalization/Text.h"
#include "Misc/VarArgs.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace
{
	/** One argument the format consumes, and where its text lives while the format runs. */
	struct FFormatCase
	{
		std::u16string Format;
		std::u16string Expected;
		std::vector<FPrintfArg> Args;
		std::deque<std::u16string> WideStorage;
		std::deque<std::string> NarrowStorage;
		/** Whether every expectation could be computed (a non-ASCII narrow string has none). */
		bool bChecked = true;
	};

	void AppendAscii(std::u16string& Out, const char* Text)
	{
		for (; *Text; ++Text)
		{
			Out.push_back((char16_t)(unsigned char)*Text);
		}
	}

	/** The C library's rendering of one numeric piece; star width and precision are passed as the C library takes them. */
	template<typename T>
	std::string CFormat(const std::string& Piece, bool bStarWidth, int Width, bool bStarPrecision, int Precision, T Value)
	{
		auto Print = [&](char* Buffer, size_t Size) -> int {
			if (bStarWidth && bStarPrecision)
			{
				return std::snprintf(Buffer, Size, Piece.c_str(), Width, Precision, Value);
			}
			if (bStarWidth)
			{
				return std::snprintf(Buffer, Size, Piece.c_str(), Width, Value);
			}
			if (bStarPrecision)
			{
				return std::snprintf(Buffer, Size, Piece.c_str(), Precision, Value);
			}
			return std::snprintf(Buffer, Size, Piece.c_str(), Value);
		};
		const int Needed = Print(nullptr, 0);
		if (Needed < 0)
		{
			return std::string();
		}
		std::vector<char> Buffer((size_t)Needed + 1);
		Print(Buffer.data(), Buffer.size());
		return std::string(Buffer.data(), (size_t)Needed);
	}

	FPrintfArg SignedArg(int64 Value)
	{
		FPrintfArg Arg;
		Arg.Kind = FPrintfArg::EKind::Signed;
		Arg.Signed = Value;
		return Arg;
	}

	/** Width or precision up to 1,024, past the 512-character buffers a printf may keep: wider only measures the allocator. */
	int ConsumeSize(FuzzedDataProvider& Input)
	{
		return Input.ConsumeBool() ? Input.ConsumeIntegralInRange<int>(0, 20) : Input.ConsumeIntegralInRange<int>(0, 1024);
	}

	/** None (-1), written in the format, or taken from the arguments ('*', where a negative one is allowed). */
	int ConsumeWidthOrPrecision(FuzzedDataProvider& Input, bool& bOutStar)
	{
		switch (Input.ConsumeIntegralInRange<int>(0, 2))
		{
			case 1:
				return ConsumeSize(Input);
			case 2:
				bOutStar = true;
				return Input.ConsumeBool() ? ConsumeSize(Input) : -ConsumeSize(Input);
		}
		return -1;
	}

	void AddLiteral(FuzzedDataProvider& Input, FFormatCase& Case)
	{
		const std::string Bytes = Input.ConsumeRandomLengthString(24);
		const FString Text = QuovexFuzz::FromUtf8(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
		for (const TCHAR Char : Text.GetStdString())
		{
			if (Char == u'\0')
			{
				continue;
			}
			if (Char == u'%')
			{
				Case.Format += u"%%";
			}
			else
			{
				Case.Format.push_back(Char);
			}
			Case.Expected.push_back(Char);
		}
	}

	void AddConversion(FuzzedDataProvider& Input, FFormatCase& Case)
	{
		static const char Conversions[] = "diuxXocsSpfFeEgGaA%";
		const char Conversion = Conversions[Input.ConsumeIntegralInRange<size_t>(0, sizeof(Conversions) - 2)];
		if (Conversion == '%')
		{
			Case.Format += u"%%";
			Case.Expected += u"%";
			return;
		}
		const bool bSigned = Conversion == 'd' || Conversion == 'i';
		const bool bUnsigned = Conversion == 'u' || Conversion == 'x' || Conversion == 'X' || Conversion == 'o';
		const bool bFloat = std::strchr("fFeEgGaA", Conversion) != nullptr;
		const bool bText = Conversion == 'c' || Conversion == 's' || Conversion == 'S';

		// Flags the C library defines for this conversion.
		std::string Flags;
		const uint8 FlagBits = Input.ConsumeIntegral<uint8>();
		if (FlagBits & 1)
		{
			Flags += '-';
		}
		if ((FlagBits & 2) && (bSigned || bFloat))
		{
			Flags += '+';
		}
		if ((FlagBits & 4) && (bSigned || bFloat))
		{
			Flags += ' ';
		}
		if ((FlagBits & 8) && (bFloat || Conversion == 'x' || Conversion == 'X' || Conversion == 'o'))
		{
			Flags += '#';
		}
		if ((FlagBits & 16) && (bSigned || bUnsigned || bFloat))
		{
			Flags += '0';
		}

		bool bStarWidth = false;
		const int Width = ConsumeWidthOrPrecision(Input, bStarWidth);
		bool bStarPrecision = false;
		const int Precision = (Conversion != 'c' && Conversion != 'p') ? ConsumeWidthOrPrecision(Input, bStarPrecision) : -1;

		// Length modifiers: the C spelling for the reference, the engine's (which also knows MSVC's I64) for the format.
		std::string CLength;
		std::string EngineLength;
		int IntegerBits = 32;
		if (bSigned || bUnsigned)
		{
			static const char* const Lengths[] = { "", "h", "hh", "l", "ll", "z", "j", "t", "I64" };
			const size_t Choice = Input.ConsumeIntegralInRange<size_t>(0, 8);
			EngineLength = Lengths[Choice];
			static const int LengthBits[] = { 32, 16, 8, 64, 64, 64, 64, 64, 64 };
			IntegerBits = LengthBits[Choice];
			CLength = "ll";
		}
		else if (bFloat)
		{
			static const char* const Lengths[] = { "", "l", "L" };
			EngineLength = Lengths[Input.ConsumeIntegralInRange<size_t>(0, 2)];
		}

		std::string Piece = "%" + Flags;
		if (bStarWidth)
		{
			Piece += '*';
			Case.Args.push_back(SignedArg(Width));
		}
		else if (Width >= 0)
		{
			Piece += std::to_string(Width);
		}
		if (bStarPrecision)
		{
			Piece += ".*";
			Case.Args.push_back(SignedArg(Precision));
		}
		else if (Precision >= 0)
		{
			Piece += "." + std::to_string(Precision);
		}
		AppendAscii(Case.Format, (Piece + EngineLength + Conversion).c_str());

		if (bSigned || bUnsigned)
		{
			const uint64 Bits = Input.ConsumeIntegral<uint64>();
			FPrintfArg Arg;
			Arg.Kind = Input.ConsumeBool() ? FPrintfArg::EKind::Signed : FPrintfArg::EKind::Unsigned;
			Arg.Unsigned = Bits;
			Case.Args.push_back(Arg);
			const std::string CPiece = Piece + CLength + Conversion;
			// What the C library reads for the length asked: the argument cut to that many bits, sign-extended for %d.
			const uint64 Mask = IntegerBits == 64 ? ~0ull : (1ull << IntegerBits) - 1;
			const uint64 Cut = Bits & Mask;
			const bool bNegative = bSigned && IntegerBits < 64 && (Cut >> (IntegerBits - 1)) != 0;
			std::string Printed;
			if (bSigned)
			{
				Printed = CFormat(CPiece, bStarWidth, Width, bStarPrecision, Precision, (long long)(bNegative ? Cut | ~Mask : Cut));
			}
			else
			{
				Printed = CFormat(CPiece, bStarWidth, Width, bStarPrecision, Precision, (unsigned long long)Cut);
			}
			AppendAscii(Case.Expected, Printed.c_str());
			return;
		}
		if (bFloat)
		{
			// Raw bits reach NaN payloads, infinities and subnormals as well as ordinary values.
			const uint64 Bits = Input.ConsumeIntegral<uint64>();
			double Value;
			std::memcpy(&Value, &Bits, sizeof(Value));
			FPrintfArg Arg;
			Arg.Kind = FPrintfArg::EKind::Double;
			Arg.Double = Value;
			Case.Args.push_back(Arg);
			AppendAscii(Case.Expected, CFormat(Piece + Conversion, bStarWidth, Width, bStarPrecision, Precision, Value).c_str());
			return;
		}
		if (Conversion == 'p')
		{
			// Printed, never followed.
			FPrintfArg Arg;
			Arg.Kind = FPrintfArg::EKind::Pointer;
			Arg.Pointer = Input.ConsumeBool() ? nullptr : reinterpret_cast<const void*>(Input.ConsumeIntegral<uintptr_t>());
			Case.Args.push_back(Arg);
			AppendAscii(Case.Expected, CFormat(Piece + 'p', bStarWidth, Width, false, 0, Arg.Pointer).c_str());
			return;
		}

		check(bText);
		std::u16string Value;
		if (Conversion == 'c')
		{
			const uint64 Bits = Input.ConsumeIntegral<uint64>();
			FPrintfArg Arg;
			Arg.Kind = Input.ConsumeBool() ? FPrintfArg::EKind::Signed : FPrintfArg::EKind::Unsigned;
			Arg.Unsigned = Bits;
			Case.Args.push_back(Arg);
			Value.push_back((char16_t)Bits);
		}
		else
		{
			const std::string Bytes = Input.ConsumeRandomLengthString(32);
			FPrintfArg Arg;
			switch (Input.ConsumeIntegralInRange<int>(0, 4))
			{
				case 0:
				{
					Case.WideStorage.push_back(QuovexFuzz::FromUtf8(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()).GetStdString());
					Arg.Kind = FPrintfArg::EKind::WideString;
					Arg.WideString = Case.WideStorage.back().c_str();
					Value = std::u16string(Arg.WideString);
					break;
				}
				case 1:
				case 2:
				{
					Case.NarrowStorage.push_back(std::string(Bytes.c_str()));
					const std::string& Narrow = Case.NarrowStorage.back();
					Arg.Kind = Input.ConsumeBool() ? FPrintfArg::EKind::AnsiString : FPrintfArg::EKind::Utf8String;
					Arg.AnsiString = Narrow.c_str();
					for (const char Char : Narrow)
					{
						Value.push_back((char16_t)(unsigned char)Char);
						Case.bChecked &= (unsigned char)Char < 0x80;
					}
					break;
				}
				case 3:
					Arg.Kind = FPrintfArg::EKind::WideString;
					Arg.WideString = nullptr;
					Value = u"(null)";
					break;
				default:
					Arg.Kind = FPrintfArg::EKind::Pointer;
					Arg.Pointer = nullptr;
					Value = u"(null)";
					break;
			}
			Case.Args.push_back(Arg);
			if (Precision >= 0 && (size_t)Precision < Value.size())
			{
				Value.resize((size_t)Precision);
			}
		}
		// No width is -1 when written, a negative width from the arguments pads on the right.
		const int PadTo = bStarWidth ? std::abs(Width) : std::max(Width, 0);
		const bool bLeft = Flags.find('-') != std::string::npos || (bStarWidth && Width < 0);
		const size_t Pad = PadTo > (int)Value.size() ? (size_t)PadTo - Value.size() : 0;
		if (!bLeft)
		{
			Case.Expected.append(Pad, u' ');
		}
		Case.Expected += Value;
		if (bLeft)
		{
			Case.Expected.append(Pad, u' ');
		}
	}

	void FuzzPrintf(FuzzedDataProvider& Input)
	{
		FFormatCase Case;
		const int Pieces = Input.ConsumeIntegralInRange<int>(1, 8);
		for (int Index = 0; Index < Pieces; ++Index)
		{
			if (Input.ConsumeBool())
			{
				AddLiteral(Input, Case);
			}
			else
			{
				AddConversion(Input, Case);
			}
		}
		// What FString::Printf compiles to once its arguments are packed; the packing is fixed by the call's types.
		std::u16string Out;
		UE::Core::Private::FormatPrintf(Out, Case.Format.c_str(), Case.Args.data(), (int32)Case.Args.size());
		if (Case.bChecked && Out != Case.Expected)
		{
			QuovexFuzz::Fail("FString::Printf differs from the C library", FString::Printf(TEXT("format \"%s\"\n  printed \"%s\"\n expected \"%s\""), Case.Format.c_str(), Out.c_str(), Case.Expected.c_str()));
		}
		// The public entry with one argument of each common kind.
		const FString Whole = FString::Printf(TEXT("%s|%d|%.3f"), Out.c_str(), (int32)Out.size(), 0.5);
		const FString Expected = FString(Out.c_str()) + TEXT("|") + FString(std::to_string(Out.size()).c_str()) + TEXT("|0.500");
		if (!Whole.Equals(Expected, ESearchCase::CaseSensitive))
		{
			QuovexFuzz::Fail("FString::Printf mixed up its arguments", Whole);
		}
	}

	/** Argument modifiers ({0}|plural(...), gender, hpp) are a stand-in path that fails loudly on purpose. */
	bool HasArgumentModifier(const FString& Pattern)
	{
		return Pattern.Contains(TEXT("}|plural("), ESearchCase::CaseSensitive) || Pattern.Contains(TEXT("}|gender("), ESearchCase::CaseSensitive) || Pattern.Contains(TEXT("}|hpp("), ESearchCase::CaseSensitive);
	}

	FFormatArgumentValue ConsumeArgument(FuzzedDataProvider& Input)
	{
		switch (Input.ConsumeIntegralInRange<int>(0, 5))
		{
			case 0:
				return FFormatArgumentValue(Input.ConsumeIntegral<int64>());
			case 1:
				return FFormatArgumentValue(Input.ConsumeIntegral<uint64>());
			case 2:
			{
				const uint64 Bits = Input.ConsumeIntegral<uint64>();
				double Value;
				std::memcpy(&Value, &Bits, sizeof(Value));
				return FFormatArgumentValue(Value);
			}
			case 3:
				return FFormatArgumentValue(Input.ConsumeFloatingPoint<float>());
			case 4:
			{
				// A formatted text as an argument: its own pattern and number.
				const std::string Bytes = Input.ConsumeRandomLengthString(16);
				const FString Pattern = QuovexFuzz::FromUtf8(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
				if (HasArgumentModifier(Pattern))
				{
					return FFormatArgumentValue(FText::FromString(Pattern));
				}
				return FFormatArgumentValue(FText::Format(FTextFormat::FromString(Pattern), FFormatOrderedArguments{ FFormatArgumentValue(Input.ConsumeIntegral<int32>()) }));
			}
			default:
			{
				const std::string Bytes = Input.ConsumeRandomLengthString(16);
				return FFormatArgumentValue(FText::FromString(QuovexFuzz::FromUtf8(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size())));
			}
		}
	}

	void FuzzTextFormat(FuzzedDataProvider& Input)
	{
		static const TCHAR* const Cultures[] = { TEXT("en"), TEXT("de"), TEXT("fr"), TEXT("ru") };
		FInternationalization::Get().SetCurrentCulture(Cultures[Input.ConsumeIntegralInRange<int>(0, 3)]);

		const bool bNamed = Input.ConsumeBool();
		const int NumArguments = Input.ConsumeIntegralInRange<int>(0, 6);
		FFormatNamedArguments Named;
		FFormatOrderedArguments Ordered;
		for (int Index = 0; Index < NumArguments; ++Index)
		{
			if (bNamed)
			{
				const std::string Name = Input.ConsumeRandomLengthString(8);
				Named.Add(QuovexFuzz::FromUtf8(reinterpret_cast<const uint8_t*>(Name.data()), Name.size()), ConsumeArgument(Input));
			}
			else
			{
				Ordered.Add(ConsumeArgument(Input));
			}
		}
		const std::string Bytes = Input.ConsumeRemainingBytesAsString();
		const FString Pattern = QuovexFuzz::FromUtf8(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
		if (HasArgumentModifier(Pattern))
		{
			return;
		}
		const FTextFormat Format = FTextFormat::FromString(Pattern);
		const FText Result = bNamed ? FText::Format(Format, Named) : FText::Format(Format, Ordered);
		const FString& Display = Result.ToString();
		const FString Source = Result.BuildSourceString();
		TArray<FString> Names;
		Format.GetFormatArgumentNames(Names);
		if (!Pattern.Contains(TEXT("{")) && !Pattern.Contains(TEXT("`")) && (!Display.Equals(Pattern) || !Source.Equals(Pattern)))
		{
			QuovexFuzz::Fail("FText::Format changed a pattern without arguments or escapes", FString::Printf(TEXT("pattern \"%s\"\n display \"%s\"\n  source \"%s\""), *Pattern, *Display, *Source));
		}
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	FuzzedDataProvider Input(Data, Size);
	if (Input.ConsumeBool())
	{
		FuzzPrintf(Input);
	}
	else
	{
		FuzzTextFormat(Input);
	}
	return 0;
}
