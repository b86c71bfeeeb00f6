// UTF-8 <-> UTF-16 conversion.

#include "Containers/StringConv.h"

namespace UE::Core::Private
{
	std::string Utf16ToUtf8(const TCHAR* Source, int32 SourceLen)
	{
		std::string Out;
		Out.reserve((SIZE_T)SourceLen);
		for (int32 Index = 0; Index < SourceLen; ++Index)
		{
			uint32 Code = (uint32)Source[Index];
			if (Code >= 0xD800 && Code <= 0xDBFF && Index + 1 < SourceLen && (uint32)Source[Index + 1] >= 0xDC00 && (uint32)Source[Index + 1] <= 0xDFFF)
			{
				Code = 0x10000 + ((Code - 0xD800) << 10) + ((uint32)Source[Index + 1] - 0xDC00);
				++Index;
			}
			else if (Code >= 0xD800 && Code <= 0xDFFF)
			{
				Code = 0xFFFD;
			}

			if (Code < 0x80)
			{
				Out.push_back((char)Code);
			}
			else if (Code < 0x800)
			{
				Out.push_back((char)(0xC0 | (Code >> 6)));
				Out.push_back((char)(0x80 | (Code & 0x3F)));
			}
			else if (Code < 0x10000)
			{
				Out.push_back((char)(0xE0 | (Code >> 12)));
				Out.push_back((char)(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back((char)(0x80 | (Code & 0x3F)));
			}
			else
			{
				Out.push_back((char)(0xF0 | (Code >> 18)));
				Out.push_back((char)(0x80 | ((Code >> 12) & 0x3F)));
				Out.push_back((char)(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back((char)(0x80 | (Code & 0x3F)));
			}
		}
		return Out;
	}

	std::u16string Utf8ToUtf16(const ANSICHAR* Source, int32 SourceLen)
	{
		std::u16string Out;
		Out.reserve((SIZE_T)SourceLen);
		const uint8* Bytes = (const uint8*)Source;
		int32 Index = 0;
		while (Index < SourceLen)
		{
			const uint8 Lead = Bytes[Index];
			int32 Extra = 0;
			uint32 Code = 0;
			uint32 MinCode = 0;
			if (Lead < 0x80)
			{
				Code = Lead;
			}
			else if ((Lead & 0xE0) == 0xC0)
			{
				Extra = 1;
				Code = Lead & 0x1F;
				MinCode = 0x80;
			}
			else if ((Lead & 0xF0) == 0xE0)
			{
				Extra = 2;
				Code = Lead & 0x0F;
				MinCode = 0x800;
			}
			else if ((Lead & 0xF8) == 0xF0)
			{
				Extra = 3;
				Code = Lead & 0x07;
				MinCode = 0x10000;
			}
			else
			{
				Out.push_back(u'\xFFFD');
				++Index;
				continue;
			}

			bool bValid = Index + Extra < SourceLen;
			for (int32 Offset = 1; bValid && Offset <= Extra; ++Offset)
			{
				const uint8 Continuation = Bytes[Index + Offset];
				bValid = (Continuation & 0xC0) == 0x80;
				Code = (Code << 6) | (Continuation & 0x3F);
			}
			if (!bValid || Code < MinCode || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
			{
				// Skip only the lead byte so a following valid sequence still decodes.
				Out.push_back(u'\xFFFD');
				++Index;
				continue;
			}
			Index += Extra + 1;
			if (Code >= 0x10000)
			{
				Code -= 0x10000;
				Out.push_back((char16_t)(0xD800 + (Code >> 10)));
				Out.push_back((char16_t)(0xDC00 + (Code & 0x3FF)));
			}
			else
			{
				Out.push_back((char16_t)Code);
			}
		}
		return Out;
	}
}
