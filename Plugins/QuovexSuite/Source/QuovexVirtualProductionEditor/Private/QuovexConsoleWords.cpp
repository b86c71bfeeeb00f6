// Copyright Quovex. All Rights Reserved.

#include "QuovexConsoleWords.h"

#include "Misc/OutputDevice.h"

namespace QuovexConsoleWords
{
	bool Split(const TArray<FString>& Args, TArray<FString>& OutWords, FString& OutError)
	{
		OutWords.Reset();
		// The engine dropped the white space between words; one space stands for it, inside quotes as well.
		const FString Line = FString::Join(Args, TEXT(" "));
		FString Word;
		bool bInWord = false;
		bool bQuoted = false;
		for (int32 Index = 0; Index < Line.Len(); ++Index)
		{
			const TCHAR Char = Line[Index];
			if (Char == TEXT('\\'))
			{
				if (Index + 1 == Line.Len())
				{
					OutError = TEXT("a backslash ends the line (nothing to escape)");
					OutWords.Reset();
					return false;
				}
				Word.AppendChar(Line[++Index]);
				bInWord = true;
			}
			else if (Char == TEXT('"'))
			{
				bQuoted = !bQuoted;
				bInWord = true;
			}
			else if (Char == TEXT(' ') && !bQuoted)
			{
				if (bInWord)
				{
					OutWords.Add(Word);
					Word.Reset();
					bInWord = false;
				}
			}
			else
			{
				Word.AppendChar(Char);
				bInWord = true;
			}
		}
		if (bQuoted)
		{
			OutError = TEXT("a quote is left open");
			OutWords.Reset();
			return false;
		}
		if (bInWord)
		{
			OutWords.Add(Word);
		}
		return true;
	}

	FConsoleCommandWithWorldArgsAndOutputDeviceDelegate InWords(const TCHAR* Command, FHandler Handler)
	{
		return FConsoleCommandWithWorldArgsAndOutputDeviceDelegate::CreateLambda([Command, Handler](const TArray<FString>& Args, UWorld* World, FOutputDevice& Ar) {
			TArray<FString> Words;
			FString Error;
			if (!Split(Args, Words, Error))
			{
				Ar.Logf(ELogVerbosity::Error, TEXT("%s: %s"), Command, *Error);
				return;
			}
			Handler(Words, World, Ar);
		});
	}
}
