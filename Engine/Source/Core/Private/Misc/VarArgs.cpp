// The printf-style formatter behind FString::Printf, UE_LOG and checkf.

#include "Misc/VarArgs.h"
#include "Misc/AssertionMacros.h"
#include "Containers/StringConv.h"
#include <cstdio>
#include <string>
#include <vector>

namespace
{
	void AppendNarrow(std::u16string& Out, const char* Text)
	{
		for (; *Text; ++Text)
		{
			Out.push_back((char16_t)(unsigned char)*Text);
		}
	}

	void AppendPadded(std::u16string& Out, const std::u16string& Value, int32 Width, bool bLeftAlign)
	{
		const int32 Padding = Width > (int32)Value.size() ? Width - (int32)Value.size() : 0;
		if (!bLeftAlign)
		{
			Out.append((SIZE_T)Padding, u' ');
		}
		Out += Value;
		if (bLeftAlign)
		{
			Out.append((SIZE_T)Padding, u' ');
		}
	}

	/** Prints one conversion through the C library at the length it needs; false when the C library cannot. */
	template<typename T>
	bool AppendConversion(std::u16string& Out, const std::string& FormatPiece, T Value)
	{
		char Buffer[512];
		const int Needed = std::snprintf(Buffer, sizeof(Buffer), FormatPiece.c_str(), Value);
		if (Needed < 0)
		{
			return false;
		}
		if (Needed < (int)sizeof(Buffer))
		{
			AppendNarrow(Out, Buffer);
			return true;
		}
		std::vector<char> Big((SIZE_T)Needed + 1);
		std::snprintf(Big.data(), Big.size(), FormatPiece.c_str(), Value);
		AppendNarrow(Out, Big.data());
		return true;
	}

	/** The low Bytes bytes of Bits as a signed number. */
	long long SignExtend(uint64 Bits, int32 Bytes)
	{
		switch (Bytes)
		{
			case 1:
				return (int8)Bits;
			case 2:
				return (int16)Bits;
			case 4:
				return (int32)Bits;
		}
		return (long long)(int64)Bits;
	}

	const char* KindName(FPrintfArg::EKind Kind)
	{
		switch (Kind)
		{
			case FPrintfArg::EKind::Signed: return "a signed integer";
			case FPrintfArg::EKind::Unsigned: return "an unsigned integer";
			case FPrintfArg::EKind::Double: return "a floating-point number";
			case FPrintfArg::EKind::WideString: return "a TCHAR string";
			case FPrintfArg::EKind::AnsiString: return "an ANSI string";
			case FPrintfArg::EKind::Utf8String: return "a UTF-8 string";
			case FPrintfArg::EKind::Pointer: return "a pointer";
		}
		return "an unknown value";
	}

	// Reports through stderr and aborts: the formatter is below the logging layer and must not recurse into it.
	[[noreturn]] void FormatFailure(const TCHAR* Fmt, const char* Problem)
	{
		const std::string NarrowFmt = UE::Core::Private::Utf16ToUtf8(Fmt, UE::Core::Private::CStrLen(Fmt));
		std::fprintf(stderr, "Fatal error: printf-style format \"%s\": %s\n", NarrowFmt.c_str(), Problem);
		std::fflush(stderr);
		std::abort();
	}
}

namespace UE::Core::Private
{
	void FormatPrintf(std::u16string& Out, const TCHAR* Fmt, const FPrintfArg* Args, int32 NumArgs)
	{
		if (!Fmt)
		{
			return;
		}
		int32 NextArg = 0;
		auto TakeArg = [&]() -> const FPrintfArg& {
			if (NextArg >= NumArgs)
			{
				FormatFailure(Fmt, "more conversions than arguments");
			}
			return Args[NextArg++];
		};

		for (const TCHAR* Cursor = Fmt; *Cursor; ++Cursor)
		{
			if (*Cursor != u'%')
			{
				Out.push_back(*Cursor);
				continue;
			}
			++Cursor;
			if (*Cursor == u'%')
			{
				Out.push_back(u'%');
				continue;
			}

			// Flags, width and precision, passed through to snprintf for numbers.
			std::string FormatPiece = "%";
			bool bLeftAlign = false;
			while (*Cursor == u'-' || *Cursor == u'+' || *Cursor == u' ' || *Cursor == u'#' || *Cursor == u'0')
			{
				bLeftAlign |= *Cursor == u'-';
				FormatPiece.push_back((char)*Cursor++);
			}
			int32 Width = 0;
			if (*Cursor == u'*')
			{
				const FPrintfArg& WidthArg = TakeArg();
				Width = WidthArg.Kind == FPrintfArg::EKind::Signed ? (int32)WidthArg.Signed : (int32)WidthArg.Unsigned;
				// A negative width from the arguments is a '-' flag with the positive width.
				if (Width < 0)
				{
					bLeftAlign = true;
					Width = -Width;
					FormatPiece.push_back('-');
				}
				FormatPiece += std::to_string(Width);
				++Cursor;
			}
			while (*Cursor >= u'0' && *Cursor <= u'9')
			{
				Width = Width * 10 + (*Cursor - u'0');
				FormatPiece.push_back((char)*Cursor++);
			}
			int32 Precision = -1;
			if (*Cursor == u'.')
			{
				FormatPiece.push_back('.');
				++Cursor;
				Precision = 0;
				if (*Cursor == u'*')
				{
					const FPrintfArg& PrecisionArg = TakeArg();
					Precision = PrecisionArg.Kind == FPrintfArg::EKind::Signed ? (int32)PrecisionArg.Signed : (int32)PrecisionArg.Unsigned;
					// A negative precision from the arguments counts as no precision at all.
					if (Precision < 0)
					{
						FormatPiece.pop_back();
					}
					else
					{
						FormatPiece += std::to_string(Precision);
					}
					++Cursor;
				}
				while (*Cursor >= u'0' && *Cursor <= u'9')
				{
					Precision = Precision * 10 + (*Cursor - u'0');
					FormatPiece.push_back((char)*Cursor++);
				}
			}

			// Length modifiers are accepted; the value is converted to the width they ask for.
			int32 LongCount = 0;
			int32 ShortCount = 0;
			bool bAnsiString = false;
			for (;; ++Cursor)
			{
				if (*Cursor == u'l')
				{
					++LongCount;
				}
				else if (*Cursor == u'h')
				{
					// h: short, hh: char.
					++ShortCount;
				}
				else if (*Cursor == u'z' || *Cursor == u'j' || *Cursor == u't' || *Cursor == u'L' || *Cursor == u'I')
				{
					LongCount = 2;
					if (*Cursor == u'I')
					{
						// MSVC-style %I64d
						while (Cursor[1] >= u'0' && Cursor[1] <= u'9')
						{
							++Cursor;
						}
					}
				}
				else
				{
					break;
				}
			}

			const TCHAR Conversion = *Cursor;
			if (Conversion == 0)
			{
				FormatFailure(Fmt, "format ends inside a conversion");
			}

			bool bPrinted = true;
			switch (Conversion)
			{
				case u'd':
				case u'i':
				case u'u':
				case u'x':
				case u'X':
				case u'o':
				{
					const FPrintfArg& Arg = TakeArg();
					if (Arg.Kind != FPrintfArg::EKind::Signed && Arg.Kind != FPrintfArg::EKind::Unsigned)
					{
						FormatFailure(Fmt, (std::string("an integer conversion was given ") + KindName(Arg.Kind)).c_str());
					}
					const uint64 Bits = Arg.Kind == FPrintfArg::EKind::Signed ? (uint64)Arg.Signed : Arg.Unsigned;
					FormatPiece += "ll";
					FormatPiece.push_back((char)Conversion);
					// Cut to the width the length modifiers name: hh a char, h a short, none an int, l and longer 64 bits.
					int32 Bytes = ShortCount >= 2 ? 1 : 4;
					if (LongCount >= 1)
					{
						Bytes = 8;
					}
					else if (ShortCount == 1)
					{
						Bytes = 2;
					}
					if (Conversion == u'd' || Conversion == u'i')
					{
						bPrinted = AppendConversion(Out, FormatPiece, SignExtend(Bits, Bytes));
					}
					else
					{
						bPrinted = AppendConversion(Out, FormatPiece, Bytes == 8 ? (unsigned long long)Bits : (unsigned long long)(Bits & ((1ull << (Bytes * 8)) - 1)));
					}
					break;
				}
				case u'f':
				case u'F':
				case u'e':
				case u'E':
				case u'g':
				case u'G':
				case u'a':
				case u'A':
				{
					const FPrintfArg& Arg = TakeArg();
					if (Arg.Kind != FPrintfArg::EKind::Double)
					{
						FormatFailure(Fmt, (std::string("a floating-point conversion was given ") + KindName(Arg.Kind)).c_str());
					}
					FormatPiece.push_back((char)Conversion);
					bPrinted = AppendConversion(Out, FormatPiece, Arg.Double);
					break;
				}
				case u'c':
				{
					const FPrintfArg& Arg = TakeArg();
					if (Arg.Kind != FPrintfArg::EKind::Signed && Arg.Kind != FPrintfArg::EKind::Unsigned)
					{
						FormatFailure(Fmt, (std::string("%c was given ") + KindName(Arg.Kind)).c_str());
					}
					const std::u16string Char(1, (char16_t)(Arg.Kind == FPrintfArg::EKind::Signed ? Arg.Signed : (int64)Arg.Unsigned));
					AppendPadded(Out, Char, Width, bLeftAlign);
					break;
				}
				case u's':
				case u'S':
				{
					const FPrintfArg& Arg = TakeArg();
					std::u16string Value;
					if (Arg.Kind == FPrintfArg::EKind::WideString)
					{
						Value = Arg.WideString ? Arg.WideString : u"(null)";
					}
					else if (Arg.Kind == FPrintfArg::EKind::AnsiString || Arg.Kind == FPrintfArg::EKind::Utf8String)
					{
						const ANSICHAR* Narrow = Arg.Kind == FPrintfArg::EKind::AnsiString ? Arg.AnsiString : (const ANSICHAR*)Arg.Utf8String;
						Value = Narrow ? Utf8ToUtf16(Narrow, CStrLen(Narrow)) : std::u16string(u"(null)");
					}
					else if (Arg.Kind == FPrintfArg::EKind::Pointer && Arg.Pointer == nullptr)
					{
						Value = u"(null)";
					}
					else
					{
						FormatFailure(Fmt, (std::string("%s was given ") + KindName(Arg.Kind)).c_str());
					}
					(void)bAnsiString;
					if (Precision >= 0 && (SIZE_T)Precision < Value.size())
					{
						Value.resize((SIZE_T)Precision);
					}
					AppendPadded(Out, Value, Width, bLeftAlign);
					break;
				}
				case u'p':
				{
					const FPrintfArg& Arg = TakeArg();
					if (Arg.Kind == FPrintfArg::EKind::Double)
					{
						FormatFailure(Fmt, "%p was given a floating-point number");
					}
					FormatPiece.push_back('p');
					bPrinted = AppendConversion(Out, FormatPiece, Arg.Pointer);
					break;
				}
				default:
					FormatFailure(Fmt, "unsupported conversion character");
			}
			if (!bPrinted)
			{
				FormatFailure(Fmt, "the C library cannot print a conversion this wide");
			}
		}
	}
}
