#include "UObject/PropertyText.h"
#include "UObject/ObjectMacros.h"
#include "UObject/ObjectTable.h"

namespace UE::CoreUObject::Private
{
	static bool IsSpace(TCHAR Char)
	{
		return Char == TEXT(' ') || Char == TEXT('\t') || Char == TEXT('\r') || Char == TEXT('\n');
	}

	const TCHAR* SkipWhitespace(const TCHAR* Buffer)
	{
		while (Buffer && IsSpace(*Buffer))
		{
			++Buffer;
		}
		return Buffer;
	}

	const TCHAR* ReadQuotedString(const TCHAR* Buffer, FString& Out)
	{
		check(*Buffer == TEXT('"'));
		++Buffer;
		Out.Reset();
		while (*Buffer && *Buffer != TEXT('"'))
		{
			if (*Buffer == TEXT('\\') && Buffer[1])
			{
				++Buffer;
				switch (*Buffer)
				{
					case TEXT('n'):
						Out.AppendChar(TEXT('\n'));
						break;
					case TEXT('r'):
						Out.AppendChar(TEXT('\r'));
						break;
					case TEXT('t'):
						Out.AppendChar(TEXT('\t'));
						break;
					default:
						Out.AppendChar(*Buffer);
						break;
				}
				++Buffer;
				continue;
			}
			Out.AppendChar(*Buffer++);
		}
		if (*Buffer != TEXT('"'))
		{
			return nullptr;
		}
		return Buffer + 1;
	}

	const TCHAR* ReadDelimitedToken(const TCHAR* Buffer, FString& Out)
	{
		Out.Reset();
		int32 Depth = 0;
		bool bInQuotes = false;
		bool bInSingleQuotes = false;
		while (*Buffer)
		{
			const TCHAR Char = *Buffer;
			if (bInQuotes)
			{
				if (Char == TEXT('\\') && Buffer[1])
				{
					Out.AppendChar(Char);
					Out.AppendChar(Buffer[1]);
					Buffer += 2;
					continue;
				}
				bInQuotes = Char != TEXT('"');
			}
			else if (bInSingleQuotes)
			{
				bInSingleQuotes = Char != TEXT('\'');
			}
			else if (Char == TEXT('"'))
			{
				bInQuotes = true;
			}
			else if (Char == TEXT('\''))
			{
				bInSingleQuotes = true;
			}
			else if (Char == TEXT('('))
			{
				++Depth;
			}
			else if (Char == TEXT(')') || Char == TEXT(','))
			{
				if (Depth == 0)
				{
					break;
				}
				if (Char == TEXT(')'))
				{
					--Depth;
				}
			}
			Out.AppendChar(Char);
			++Buffer;
		}
		Out.TrimStartAndEndInline();
		return Buffer;
	}

	const TCHAR* ReadIdentifier(const TCHAR* Buffer, FString& Out, bool bAllowScope)
	{
		Out.Reset();
		for (;;)
		{
			const TCHAR Char = *Buffer;
			const bool bWordChar = (Char >= TEXT('a') && Char <= TEXT('z')) || (Char >= TEXT('A') && Char <= TEXT('Z')) || (Char >= TEXT('0') && Char <= TEXT('9')) || Char == TEXT('_');
			if (bWordChar)
			{
				Out.AppendChar(Char);
				++Buffer;
			}
			else if (bAllowScope && Char == TEXT(':') && Buffer[1] == TEXT(':'))
			{
				Out += TEXT("::");
				Buffer += 2;
			}
			else
			{
				break;
			}
		}
		return Buffer;
	}

	FString EscapeString(const FString& In)
	{
		FString Out;
		for (TCHAR Char : In)
		{
			switch (Char)
			{
				case TEXT('\\'):
					Out += TEXT("\\\\");
					break;
				case TEXT('"'):
					Out += TEXT("\\\"");
					break;
				case TEXT('\n'):
					Out += TEXT("\\n");
					break;
				case TEXT('\r'):
					Out += TEXT("\\r");
					break;
				case TEXT('\t'):
					Out += TEXT("\\t");
					break;
				default:
					Out.AppendChar(Char);
					break;
			}
		}
		return Out;
	}

	const TCHAR* ReadStringValue(const TCHAR* Buffer, int32 PortFlags, FString& Out)
	{
		if (PortFlags & PPF_Delimited)
		{
			const TCHAR* Start = SkipWhitespace(Buffer);
			if (*Start == TEXT('"'))
			{
				return ReadQuotedString(Start, Out);
			}
			return ReadDelimitedToken(Buffer, Out);
		}
		if (*Buffer == TEXT('"'))
		{
			// A whole quoted value: its content (the console and config hand values over quoted).
			FString Quoted;
			const TCHAR* After = ReadQuotedString(Buffer, Quoted);
			if (After && *SkipWhitespace(After) == 0)
			{
				Out = Quoted;
				return SkipWhitespace(After);
			}
		}
		Out = Buffer;
		return Buffer + Out.Len();
	}

	void ReportImportError(FOutputDevice* ErrorText, const FString& Message)
	{
		if (ErrorText)
		{
			ErrorText->Log(*Message);
		}
		else
		{
			UE_LOG(LogUObjectGlobals, Warning, TEXT("%s"), *Message);
		}
	}
}
