// The headless console's argument parsing: the shared tokenizer every host command splits its arguments with, and
// `call`, which splits Param=Value words and imports each value into the function's parameter block.
//
// The first byte picks what runs. Tokenizer: the words it returns, each quoted and escaped again, must tokenize to
// the same words, and SingleArgument must agree with it. `call`: the rest of the input is the argument list of one
// function of the reflection test types (they change nothing outside their own default object), reached by class
// name or by path; a call that fails must say why at Error verbosity and a call that runs must not.

#include "FuzzSupport.h"

#include "CoreMinimal.h"
#include "HostConsole.h"
#include "Misc/OutputDevice.h"

namespace
{
	/** Counts the lines logged at Error verbosity. */
	class FConsoleOutput : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			if ((Verbosity & ELogVerbosity::VerbosityMask) == ELogVerbosity::Error)
			{
				++Errors;
			}
		}

		int32 Errors = 0;
	};

	FString Quote(const FString& Word)
	{
		FString Out = TEXT("\"");
		for (const TCHAR Char : Word.GetStdString())
		{
			if (Char == TEXT('"') || Char == TEXT('\\'))
			{
				Out.AppendChar(TEXT('\\'));
			}
			Out.AppendChar(Char);
		}
		Out.AppendChar(TEXT('"'));
		return Out;
	}

	void FuzzTokenizer(const FString& Args)
	{
		TArray<FString> Words;
		FString Error;
		const bool bSplit = FHostConsoleCommands::Tokenize(Args, Words, Error);
		if (!bSplit)
		{
			if (Error.IsEmpty())
			{
				QuovexFuzz::Fail("the tokenizer refused a line without saying why", Args);
			}
			return;
		}

		FString Requoted;
		for (const FString& Word : Words)
		{
			Requoted += (Requoted.IsEmpty() ? TEXT("") : TEXT(" ")) + Quote(Word);
		}
		TArray<FString> Again;
		if (!FHostConsoleCommands::Tokenize(Requoted, Again, Error) || Again.Num() != Words.Num())
		{
			QuovexFuzz::Fail("quoted words do not tokenize to the same words", FString::Printf(TEXT("line: %s\nrequoted: %s"), *Args, *Requoted));
		}
		for (int32 Index = 0; Index < Words.Num(); ++Index)
		{
			if (!Again[Index].Equals(Words[Index], ESearchCase::CaseSensitive))
			{
				QuovexFuzz::Fail("a quoted word tokenizes differently", FString::Printf(TEXT("line: %s\nword %d: %s\nthen: %s"), *Args, Index, *Words[Index], *Again[Index]));
			}
		}

		FString Single;
		const bool bSingle = FHostConsoleCommands::SingleArgument(Args, Single, Error);
		if (bSingle != (Words.Num() == 1) || (bSingle && !Single.Equals(Words[0], ESearchCase::CaseSensitive)))
		{
			QuovexFuzz::Fail("SingleArgument disagrees with Tokenize", Args);
		}
	}

	void FuzzCall(uint8 Choice, const FString& Args)
	{
		static const TCHAR* const Functions[] = {
			TEXT("ReflectionTestObject.Add"),
			TEXT("UReflectionTestObject.SplitText"),
			TEXT("ReflectionTestObject.EchoSettings"),
			TEXT("ReflectionTestDerived.NativeHook"),
			TEXT("ReflectionTestObject.Describe"),
			TEXT("/Script/ReflectionTestTypes.ReflectionTestObject.EchoSettings"),
			TEXT("/Script/ReflectionTestTypes.Default__ReflectionTestDerived.SplitText"),
			TEXT("/Script/ReflectionTestTypes.ReflectionTestObject.Add"),
		};
		const FString Line = FString::Printf(TEXT("call %s %s"), Functions[Choice % UE_ARRAY_COUNT(Functions)], *Args);
		FConsoleOutput Output;
		bool bFound = false;
		const bool bRan = FHostConsoleCommands::Execute(Line, Output, bFound);
		if (!bFound)
		{
			QuovexFuzz::Fail("the console lost its call command", Line);
		}
		if (bRan == (Output.Errors > 0))
		{
			QuovexFuzz::Fail(bRan ? "a call that ran logged an error" : "a call that failed did not say why", Line);
		}
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	if (Size == 0)
	{
		return 0;
	}
	const FString Args = QuovexFuzz::FromUtf8(Data + 1, Size - 1);
	if (Data[0] & 0x80)
	{
		FuzzCall(Data[0], Args);
	}
	else
	{
		FuzzTokenizer(Args);
	}
	return 0;
}
