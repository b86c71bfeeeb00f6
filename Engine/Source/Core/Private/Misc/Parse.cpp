#include "Misc/Parse.h"

#include "Misc/CoreHostState.h"
#include "Misc/Utf8Conversion.h"
#include "UObject/NameTypes.h"

#include <cstdlib>
#include <string>

using namespace UE::Core::Private;

namespace
{
	bool IsSpace(TCHAR Char)
	{
		return Char == u' ' || Char == u'\t' || Char == u'\r' || Char == u'\n';
	}

	bool IsWordChar(TCHAR Char)
	{
		return (Char >= u'a' && Char <= u'z') || (Char >= u'A' && Char <= u'Z') || (Char >= u'0' && Char <= u'9') || Char == u'_';
	}

	TCHAR Fold(TCHAR Char)
	{
		return (Char >= u'A' && Char <= u'Z') ? TCHAR(Char - u'A' + u'a') : Char;
	}

	bool StartsWithNoCase(const TCHAR* Text, const TCHAR* Prefix)
	{
		for (; *Prefix; ++Text, ++Prefix)
		{
			if (Fold(*Text) != Fold(*Prefix))
			{
				return false;
			}
		}
		return true;
	}

	/** Finds Match case-insensitively where it starts a word (so "game=" does not match inside "endgame="). */
	const TCHAR* FindMatch(const TCHAR* Stream, const TCHAR* Match)
	{
		if (!Stream || !Match || !*Match)
		{
			return nullptr;
		}
		for (const TCHAR* Cursor = Stream; *Cursor; ++Cursor)
		{
			const bool bWordStart = Cursor == Stream || !IsWordChar(Cursor[-1]);
			if (bWordStart && StartsWithNoCase(Cursor, Match))
			{
				return Cursor;
			}
		}
		return nullptr;
	}
}

bool FParse::Param(const TCHAR* Stream, const TCHAR* Param)
{
	if (!Stream || !Param)
	{
		return false;
	}
	const std::u16string Wanted = Param;
	for (const TCHAR* Cursor = Stream; *Cursor; ++Cursor)
	{
		const bool bSwitch = (*Cursor == u'-' || *Cursor == u'/') && (Cursor == Stream || IsSpace(Cursor[-1]));
		if (bSwitch && StartsWithNoCase(Cursor + 1, Wanted.c_str()))
		{
			const TCHAR After = Cursor[1 + Wanted.size()];
			if (After == 0 || IsSpace(After))
			{
				return true;
			}
		}
	}
	return false;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, FString& Value, bool bShouldStopOnSeparator)
{
	const TCHAR* Found = FindMatch(Stream, Match);
	if (!Found)
	{
		return false;
	}
	const TCHAR* Start = Found + std::char_traits<TCHAR>::length(Match);
	std::u16string Out;
	if (*Start == u'"')
	{
		++Start;
		while (*Start && *Start != u'"')
		{
			Out.push_back(*Start++);
		}
	}
	else
	{
		while (*Start && !IsSpace(*Start) && !(bShouldStopOnSeparator && (*Start == u',' || *Start == u')')))
		{
			Out.push_back(*Start++);
		}
	}
	Value = FromStd(Out);
	return true;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, int32& Value)
{
	FString Text;
	if (!FParse::Value(Stream, Match, Text))
	{
		return false;
	}
	Value = int32(std::strtol(ToUtf8(Text).c_str(), nullptr, 10));
	return true;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, float& Value)
{
	FString Text;
	if (!FParse::Value(Stream, Match, Text))
	{
		return false;
	}
	Value = std::strtof(ToUtf8(Text).c_str(), nullptr);
	return true;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, double& Value)
{
	FString Text;
	if (!FParse::Value(Stream, Match, Text))
	{
		return false;
	}
	Value = std::strtod(ToUtf8(Text).c_str(), nullptr);
	return true;
}

bool FParse::Value(const TCHAR* Stream, const TCHAR* Match, FName& Name)
{
	FString Text;
	if (!FParse::Value(Stream, Match, Text))
	{
		return false;
	}
	Name = FName(*Text);
	return true;
}

bool FParse::Bool(const TCHAR* Stream, const TCHAR* Match, bool& OnOff)
{
	FString Text;
	if (!FParse::Value(Stream, Match, Text))
	{
		return false;
	}
	std::u16string Folded = ToStd(Text);
	for (char16_t& Char : Folded)
	{
		Char = Fold(Char);
	}
	OnOff = Folded == u"true" || Folded == u"on" || Folded == u"yes" || Folded == u"1";
	return true;
}

bool FParse::Token(const TCHAR*& Str, FString& Arg, bool UseEscape)
{
	while (Str && IsSpace(*Str))
	{
		++Str;
	}
	if (!Str || !*Str)
	{
		Arg = FString();
		return false;
	}
	std::u16string Out;
	if (*Str == u'"')
	{
		++Str;
		while (*Str && *Str != u'"')
		{
			if (UseEscape && *Str == u'\\' && (Str[1] == u'"' || Str[1] == u'\\'))
			{
				++Str;
			}
			Out.push_back(*Str++);
		}
		if (*Str == u'"')
		{
			++Str;
		}
	}
	else
	{
		while (*Str && !IsSpace(*Str))
		{
			Out.push_back(*Str++);
		}
	}
	Arg = FromStd(Out);
	return true;
}

FString FParse::Token(const TCHAR*& Str, bool UseEscape)
{
	FString Arg;
	FParse::Token(Str, Arg, UseEscape);
	return Arg;
}

bool FParse::Command(const TCHAR** Stream, const TCHAR* Match, bool bParseMightTriggerExecution)
{
	const TCHAR* Cursor = *Stream;
	while (IsSpace(*Cursor))
	{
		++Cursor;
	}
	if (!StartsWithNoCase(Cursor, Match))
	{
		return false;
	}
	Cursor += std::char_traits<TCHAR>::length(Match);
	if (IsWordChar(*Cursor))
	{
		return false;
	}
	while (IsSpace(*Cursor))
	{
		++Cursor;
	}
	*Stream = Cursor;
	return true;
}

bool FParse::Line(const TCHAR** Stream, FString& Result, bool bExact)
{
	const TCHAR* Cursor = *Stream;
	if (!*Cursor)
	{
		return false;
	}
	std::u16string Out;
	while (*Cursor && *Cursor != u'\n' && *Cursor != u'\r')
	{
		Out.push_back(*Cursor++);
	}
	if (*Cursor == u'\r')
	{
		++Cursor;
	}
	if (*Cursor == u'\n')
	{
		++Cursor;
	}
	*Stream = Cursor;
	Result = FromStd(Out);
	return true;
}
