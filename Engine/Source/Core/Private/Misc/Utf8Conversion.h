// UTF-8 <-> TCHAR conversion for the file system and process boundaries of Core's services.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

#include <string>
#include <string_view>

namespace UE::Core::Private
{
	/** Appends the UTF-8 form of a UTF-16 range; unpaired surrogates become U+FFFD. */
	inline void AppendUtf8(std::string& Out, const TCHAR* Chars, int32 Count)
	{
		for (int32 Index = 0; Index < Count; ++Index)
		{
			uint32 Code = Chars[Index];
			if (Code >= 0xD800 && Code <= 0xDBFF && Index + 1 < Count && Chars[Index + 1] >= 0xDC00 && Chars[Index + 1] <= 0xDFFF)
			{
				Code = 0x10000 + ((Code - 0xD800) << 10) + (Chars[Index + 1] - 0xDC00);
				++Index;
			}
			else if (Code >= 0xD800 && Code <= 0xDFFF)
			{
				Code = 0xFFFD;
			}
			if (Code < 0x80)
			{
				Out.push_back(char(Code));
			}
			else if (Code < 0x800)
			{
				Out.push_back(char(0xC0 | (Code >> 6)));
				Out.push_back(char(0x80 | (Code & 0x3F)));
			}
			else if (Code < 0x10000)
			{
				Out.push_back(char(0xE0 | (Code >> 12)));
				Out.push_back(char(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back(char(0x80 | (Code & 0x3F)));
			}
			else
			{
				Out.push_back(char(0xF0 | (Code >> 18)));
				Out.push_back(char(0x80 | ((Code >> 12) & 0x3F)));
				Out.push_back(char(0x80 | ((Code >> 6) & 0x3F)));
				Out.push_back(char(0x80 | (Code & 0x3F)));
			}
		}
	}

	inline std::string ToUtf8(const TCHAR* Chars)
	{
		std::string Out;
		if (Chars)
		{
			AppendUtf8(Out, Chars, int32(std::char_traits<TCHAR>::length(Chars)));
		}
		return Out;
	}

	inline std::string ToUtf8(const FString& Str)
	{
		std::string Out;
		AppendUtf8(Out, *Str, Str.Len());
		return Out;
	}

	/** Decodes UTF-8; malformed sequences become U+FFFD rather than failing the whole text. */
	inline std::u16string Utf8ToUtf16(std::string_view In)
	{
		std::u16string Out;
		Out.reserve(In.size());
		size_t Index = 0;
		while (Index < In.size())
		{
			const uint8 Lead = uint8(In[Index]);
			uint32 Code = 0;
			int32 Extra = 0;
			if (Lead < 0x80)
			{
				Code = Lead;
			}
			else if ((Lead & 0xE0) == 0xC0)
			{
				Code = Lead & 0x1F;
				Extra = 1;
			}
			else if ((Lead & 0xF0) == 0xE0)
			{
				Code = Lead & 0x0F;
				Extra = 2;
			}
			else if ((Lead & 0xF8) == 0xF0)
			{
				Code = Lead & 0x07;
				Extra = 3;
			}
			else
			{
				Code = 0xFFFD;
			}
			++Index;
			for (int32 Step = 0; Step < Extra; ++Step)
			{
				if (Index >= In.size() || (uint8(In[Index]) & 0xC0) != 0x80)
				{
					Code = 0xFFFD;
					break;
				}
				Code = (Code << 6) | (uint8(In[Index]) & 0x3F);
				++Index;
			}
			if (Code >= 0x10000)
			{
				Code -= 0x10000;
				Out.push_back(char16_t(0xD800 + (Code >> 10)));
				Out.push_back(char16_t(0xDC00 + (Code & 0x3FF)));
			}
			else
			{
				Out.push_back(char16_t(Code));
			}
		}
		return Out;
	}

	inline FString Utf8ToFString(std::string_view In)
	{
		const std::u16string Wide = Utf8ToUtf16(In);
		return FString(Wide.c_str());
	}
}
